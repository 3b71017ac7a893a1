// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/RowName.h"

#include "drawing/PlaceGraphic.h"
#include "page/Picture.h"
#include "platform/RuntimeError.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr qint16 topM = 300;

Picture testPicture()
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return Picture::fromImage(image, QSizeF(120, 90));
}

struct SizingCase
{
    const char *name;
    QSizeF holder;
    qint16 leftM;
    qint16 W;
    qint16 H;
};

void PrintTo(const SizingCase &row, std::ostream *os)
{
    *os << row.name;
}

class PictureSizingTest : public ::testing::TestWithParam<SizingCase>
{
};

TEST_P(PictureSizingTest, PictureFillsItsBoxInsideTheFrame)
{
    const SizingCase &row = GetParam();
    PrintTarget target;
    PrintSurface &surface = target.surface();
    PlaceGraphic(surface, testPicture(), row.holder, row.leftM, topM);

    const Page &page = surface.page();
    ASSERT_EQ(page.items.size(), 2);
    // The frame is drawn over the picture.
    const auto *picture = std::get_if<PagePicture>(&page.items[0]);
    const auto *frame = std::get_if<PageBox>(&page.items[1]);
    ASSERT_TRUE(picture && frame);
    EXPECT_EQ(picture->rect, QRectF(row.leftM + 50, topM + 50, row.W, row.H));
    EXPECT_EQ(frame->rect, QRectF(row.leftM, topM, row.W + 100, row.H + 100));
    EXPECT_EQ(frame->width, 16);
    EXPECT_EQ(frame->color, QColor(192, 32, 128));
    EXPECT_LE(frame->rect.right(), 11460);
    EXPECT_EQ(surface.DrawWidth(), 16);
}

// At the print job's leftM 8500 the box is 2860 x 3200; from leftM 6560
// leftwards it is the full 4800 x 3200.
INSTANTIATE_TEST_SUITE_P(
    Holders, PictureSizingTest,
    ::testing::Values(SizingCase{"BoxProportionsNarrowedToTheEdge", {4800, 3200}, 8500, 2860, 1907},
                      SizingCase{"SmallPictureEnlargedToTheNarrowBox", {2400, 1600}, 8500, 2860, 1907},
                      SizingCase{"TallPictureTakesTheHeight", {1000, 2000}, 8500, 1600, 3200},
                      SizingCase{"WidePictureTakesTheWidth", {9600, 3200}, 8500, 2860, 953},
                      SizingCase{"SquareInTheNarrowBox", {3000, 3000}, 8500, 2860, 2860},
                      SizingCase{"FourByThreeInTheNarrowBox", {1200, 900}, 8500, 2860, 2145},
                      SizingCase{"NarrowBoxProportionsTakeTheWidthRule", {2860, 3200}, 8500, 2860, 3200},
                      SizingCase{"FullBoxProportionsTakeTheWidthRule", {4800, 3200}, 300, 4800, 3200},
                      SizingCase{"FullBoxEnlargesSmallPicture", {2400, 1600}, 300, 4800, 3200},
                      SizingCase{"FullBoxTallPicture", {1000, 2000}, 300, 1600, 3200},
                      SizingCase{"FullBoxWidePicture", {9600, 3200}, 300, 4800, 1600},
                      SizingCase{"FullBoxSquare", {3000, 3000}, 300, 3200, 3200},
                      SizingCase{"FullBoxFourByThreeRoundsUp", {1200, 900}, 300, 4267, 3200},
                      SizingCase{"WidestLeftMarginKeepsTheFullBox", {4800, 3200}, 6560, 4800, 3200},
                      SizingCase{"HalfTwipRoundsToEven", {5, 6400}, 300, 2, 3200},
                      SizingCase{"NearTheEdgeTheBoxShrinks", {4800, 3200}, 11000, 360, 240}),
    RowName());

struct PictureErrorCase
{
    const char *name;
    QSizeF holder;
    qint16 leftM;
    qint16 topM;
    RuntimeError::Number error;
};

void PrintTo(const PictureErrorCase &row, std::ostream *os)
{
    *os << row.name;
}

class PictureErrorTest : public ::testing::TestWithParam<PictureErrorCase>
{
};

TEST_P(PictureErrorTest, FailsBeforeAnythingIsDrawn)
{
    const PictureErrorCase &row = GetParam();
    PrintTarget target;
    EXPECT_RUNTIME_ERROR(PlaceGraphic(target.surface(), testPicture(), row.holder, row.leftM, row.topM), row.error);
    EXPECT_TRUE(target.surface().page().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PictureErrorTest,
    ::testing::Values(PictureErrorCase{"HolderOfWidthZero", {0, 1695}, 8500, 300, RuntimeError::DivisionByZero},
                      PictureErrorCase{"EmptyHolder", {0, 0}, 8500, 300, RuntimeError::DivisionByZero},
                      PictureErrorCase{"PictureTopOverflows", {4800, 3200}, 8500, 32750, RuntimeError::Overflow},
                      PictureErrorCase{"PictureLeftOverflows", {4800, 3200}, 32750, 300, RuntimeError::Overflow}),
    RowName());

} // namespace
