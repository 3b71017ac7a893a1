// SPDX-License-Identifier: MIT
#include "page/Picture.h"
#include "tests/support/RowName.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

// At print resolution a dot of the page is a pixel of the stored copy, so
// the page shows the copy the picture made of itself.
constexpr int PrintDotsPerInch = 600;

QImage printedPage(const Picture &picture, QSize target)
{
    QImage page(target, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(PrintDotsPerInch / 0.0254);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    QPainter painter(&page);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(target)));
    return page;
}

// Black and white columns one pixel wide: a copy that skips columns instead
// of averaging them turns black or white, or striped.
QImage columns(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image.convertToFormat(format);
}

// Left half transparent, right half opaque red.
QImage halfTransparent(QSize size, QImage::Format)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), Qt::red);
    return image;
}

struct ReductionCase
{
    std::string name;
    std::function<QImage(QSize, QImage::Format)> make;
    QSize source;
    QImage::Format format;
    QSize target;
    // Expected colour of every dot in the left and right quarters of the
    // page's middle row, each channel within tolerance.
    QColor left;
    QColor right;
    int tolerance;
};

class PictureReductionTest : public testing::TestWithParam<ReductionCase>
{
};

void expectColourNear(QColor actual, QColor expected, int tolerance, int x)
{
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << "at x " << x;
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << "at x " << x;
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << "at x " << x;
}

TEST_P(PictureReductionTest, KeepsTheMeanOfWhatItReduces)
{
    const ReductionCase &row = GetParam();
    const QImage image = row.make(row.source, row.format);
    const Picture picture = Picture::fromImage(image, QSizeF(row.source) * 15);
    const QImage page = printedPage(picture, row.target);
    const int y = row.target.height() / 2;
    const int quarter = row.target.width() / 4;
    for (int x = 1; x < quarter; ++x) {
        expectColourNear(page.pixelColor(x, y), row.left, row.tolerance, x);
        expectColourNear(page.pixelColor(row.target.width() - 1 - x, y), row.right, row.tolerance, x);
    }
}

const QColor Grey(128, 128, 128);

INSTANTIATE_TEST_SUITE_P(
    Picture, PictureReductionTest,
    testing::Values(ReductionCase{"HalvedTwice", columns, {800, 600}, QImage::Format_RGB32, {200, 150}, Grey, Grey, 2},
                    ReductionCase{"OddSizeHalved", columns, {801, 601}, QImage::Format_RGB32, {200, 150}, Grey, Grey, 2},
                    ReductionCase{"HalvedThenDrawnAsItIs", columns, {700, 500}, QImage::Format_RGB32, {300, 200}, Grey, Grey, 2},
                    ReductionCase{"IndexedColours", columns, {800, 600}, QImage::Format_Indexed8, {200, 150}, Grey, Grey, 2},
                    ReductionCase{"SqueezedOneWay", columns, {800, 100}, QImage::Format_RGB32, {100, 100}, Grey, Grey, 2},
                    ReductionCase{"TransparentPart", halfTransparent, {800, 600}, QImage::Format_ARGB32, {200, 150},
                                  QColor(Qt::white), QColor(Qt::red), 2}),
    RowName());

} // namespace
