// SPDX-License-Identifier: MIT
#include "surface/PageFit.h"

#include "platform/Twips.h"
#include "surface/Page.h"

#include <algorithm>

namespace {

struct Extent
{
    double pensTwips = 0;
    QSizeF size;

    void add(const QRectF &rect, int penDots)
    {
        const double half = penDots * pensTwips / 2;
        size = size.expandedTo(QSizeF(rect.right() + half, rect.bottom() + half));
    }
};

} // namespace

QSizeF PageFit::extent(const Page &page, int recordedDotsPerInch)
{
    Extent extent{double(TwipsPerInch) / std::max(recordedDotsPerInch, 1), QSizeF(0, 0)};
    for (const PageItem &item : page.items) {
        if (const auto *line = std::get_if<PageLine>(&item))
            extent.add(QRectF(line->from, line->to).normalized(), line->width);
        else if (const auto *box = std::get_if<PageBox>(&item))
            extent.add(box->rect, box->width);
        else if (const auto *picture = std::get_if<PagePicture>(&item))
            extent.add(picture->rect, 0);
    }
    return extent.size;
}

QTransform PageFit::of(const Page &page, const QSizeF &printable, int recordedDotsPerInch)
{
    const QSizeF drawn = extent(page, recordedDotsPerInch);
    if (drawn.width() <= printable.width() && drawn.height() <= printable.height())
        return {};
    const double scale = std::min(printable.width() / drawn.width(), printable.height() / drawn.height());
    QTransform fit;
    fit.translate((printable.width() - drawn.width() * scale) / 2, (printable.height() - drawn.height() * scale) / 2);
    fit.scale(scale, scale);
    return fit;
}
