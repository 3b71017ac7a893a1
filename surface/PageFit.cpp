// SPDX-License-Identifier: MIT
#include "surface/PageFit.h"

#include "platform/Twips.h"
#include "surface/Page.h"

#include <algorithm>
#include <limits>

namespace {

struct Extent
{
    double twipsPerDot = 0;
    double left = std::numeric_limits<double>::max();
    QSizeF size;

    void add(const QRectF &rect, int penDots)
    {
        const double half = penDots * twipsPerDot / 2;
        left = std::min(left, rect.left() - half);
        size = size.expandedTo(QSizeF(rect.right() + half, rect.bottom() + half));
    }
};

} // namespace

QRectF PageFit::extent(const Page &page, int recordedDotsPerInch)
{
    Extent extent;
    extent.twipsPerDot = TwipsPerInch / std::max(recordedDotsPerInch, 1);
    for (const PageItem &item : page.items) {
        if (const auto *line = std::get_if<PageLine>(&item))
            extent.add(QRectF(line->from, line->to).normalized(), line->width);
        else if (const auto *box = std::get_if<PageBox>(&item))
            extent.add(box->rect, box->width);
        else if (const auto *picture = std::get_if<PagePicture>(&item))
            extent.add(picture->rect, 0);
    }
    if (extent.size.isEmpty())
        return {};
    // What lies left of the printable area is cut as it always was.
    return QRectF(QPointF(std::clamp(extent.left, 0.0, extent.size.width()), 0),
                  QPointF(extent.size.width(), extent.size.height()));
}

QTransform PageFit::of(const Page &page, const QSizeF &printable, int recordedDotsPerInch)
{
    const QRectF drawn = extent(page, recordedDotsPerInch);
    if (drawn.isEmpty() || (drawn.right() <= printable.width() && drawn.bottom() <= printable.height()))
        return {};
    const double scale = std::min(printable.width() / drawn.width(), printable.height() / drawn.height());
    QTransform fit;
    fit.translate((printable.width() - drawn.width() * scale) / 2 - drawn.left() * scale,
                  (printable.height() - drawn.height() * scale) / 2);
    fit.scale(scale, scale);
    return fit;
}
