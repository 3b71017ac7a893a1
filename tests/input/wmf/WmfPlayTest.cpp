// SPDX-License-Identifier: MIT
#include "WmfTestImage.h"
#include "input/wmf/WmfPicture.h"
#include "tests/support/RowName.h"
#include "WmfWriter.h"

#include <QPainter>
#include <QRgb>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Check = PixelCheck;
constexpr auto All = PixelCheck::All;
constexpr auto Some = PixelCheck::Some;
constexpr auto None = PixelCheck::None;

const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

enum : quint16 { SolidBrush = 0, NullBrush = 1, HatchedBrush = 2, SolidPen = 0, DashPen = 1, NullPen = 5 };
enum : qint16 { Transparent = 1, Opaque = 2 };
enum : qint16 { Top = 0, Right = 2, Center = 6, Bottom = 8, Baseline = 24 };

// Objects 0 and 1: a solid brush of the colour and a null pen, selected.
WmfWriter filledWith(QColor color)
{
    WmfWriter writer;
    writer.brush(SolidBrush, color).select(0).pen(NullPen, 0, Black).select(1);
    return writer;
}

// 100 x 100 units at one unit per pixel of the 100 x 100 test image.
QByteArray square(const WmfWriter &writer)
{
    return writer.placeable(QRect(0, 0, 100, 100), 1440);
}

// Red text "H" 40 units high, transparent background, with the alignment.
WmfWriter redText(qint16 align)
{
    WmfWriter writer;
    writer.font(-40, "Arial").select(0).color(WmfFunction::SetTextColor, Red);
    writer.record(WmfFunction::SetBkMode, {Transparent}).record(WmfFunction::SetTextAlign, {align});
    return writer;
}

struct PlayCase
{
    const char *name;
    std::function<QByteArray()> metafile;
    std::vector<Check> checks;
};

const std::vector<PlayCase> &playCases()
{
    static const std::vector<PlayCase> cases = {
        {"rectangleFillsWithSelectedBrush",
         [] { return square(filledWith(Red).rectangle(QRect(20, 20, 60, 60))); },
         {{All, QRect(22, 22, 56, 56), Red}, {None, QRect(0, 0, 100, 18), Red}}},
        {"ellipseLeavesCornersEmpty",
         [] { return square(filledWith(Blue).record(WmfFunction::Ellipse, {100, 100, 0, 0})); },
         {{All, QRect(40, 40, 20, 20), Blue}, {None, QRect(0, 0, 8, 8), Blue}}},
        {"polygonFillsTriangle",
         [] { return square(filledWith(Green).polygon(WmfFunction::Polygon, {{0, 0}, {100, 0}, {0, 100}})); },
         {{All, QRect(5, 5, 30, 30), Green}, {None, QRect(70, 70, 30, 30), Green}}},
        {"polylineStrokesWithoutFilling",
         [] {
             WmfWriter w = filledWith(Red);
             w.pen(SolidPen, 6, Blue).select(2);
             return square(w.polygon(WmfFunction::Polyline, {{10, 10}, {90, 10}, {90, 90}, {10, 90}}));
         },
         {{All, QRect(20, 9, 60, 2), Blue}, {None, QRect(20, 20, 60, 60), Red}}},
        {"roundRectLeavesCornersEmpty",
         [] { return square(filledWith(Red).record(WmfFunction::RoundRect, {60, 60, 100, 100, 0, 0})); },
         {{All, QRect(30, 30, 40, 40), Red}, {All, QRect(0, 45, 3, 10), Red}, {None, QRect(0, 0, 6, 6), Red}}},
        {"pieFillsCounterClockwiseFromStartToEnd",
         [] { return square(filledWith(Red).record(WmfFunction::Pie, {0, 50, 50, 100, 100, 100, 0, 0})); },
         {{All, QRect(60, 25, 15, 15), Red}, {None, QRect(20, 20, 20, 20), Red}, {None, QRect(55, 60, 30, 30), Red}}},
        {"chordFillsOnlyTheSegment",
         [] { return square(filledWith(Red).record(WmfFunction::Chord, {0, 50, 50, 100, 100, 100, 0, 0})); },
         {{All, QRect(76, 18, 6, 6), Red}, {None, QRect(60, 35, 8, 8), Red}}},
        {"arcStrokesOnlyTheCurve",
         [] {
             WmfWriter w = filledWith(Red);
             w.pen(SolidPen, 8, Blue).select(2);
             return square(w.record(WmfFunction::Arc, {0, 50, 50, 100, 90, 90, 10, 10}));
         },
         {{All, QRect(77, 21, 3, 3), Blue}, {None, QRect(0, 0, 100, 100), Red}, {None, QRect(15, 70, 20, 20), Blue}}},
        {"lineToStartsAtMoveTo",
         [] {
             WmfWriter w;
             w.pen(SolidPen, 4, Blue).select(0).point(WmfFunction::MoveTo, {50, 0});
             return square(w.point(WmfFunction::LineTo, {50, 100}));
         },
         {{All, QRect(49, 0, 2, 100), Blue}, {None, QRect(0, 0, 45, 100), Blue}}},
        {"thinPenStillDrawsOneDot",
         [] {
             WmfWriter w;
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {10000, 10000});
             w.pen(SolidPen, 10, Blue).select(0).point(WmfFunction::MoveTo, {5050, 0});
             return square(w.point(WmfFunction::LineTo, {5050, 10000}));
         },
         {{Some, QRect(50, 0, 1, 100), Blue}}},
        {"hatchedBrushLeavesGapsBetweenLines",
         [] {
             WmfWriter w;
             w.brush(HatchedBrush, Blue, 0).select(0).pen(NullPen, 0, Black).select(1);
             w.record(WmfFunction::SetBkMode, {Transparent});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{Some, QRect(0, 0, 100, 100), Blue}, {Some, QRect(10, 10, 80, 80), White}}},
        {"opaqueBackgroundFillsHatchGaps",
         [] {
             WmfWriter w;
             w.brush(HatchedBrush, Blue, 0).select(0).pen(NullPen, 0, Black).select(1);
             w.record(WmfFunction::SetBkMode, {Opaque}).color(WmfFunction::SetBkColor, Green);
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{Some, QRect(0, 0, 100, 100), Blue}, {None, QRect(10, 10, 80, 80), White}}},
        {"polyFillAlternateLeavesInnerHole",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetPolyFillMode, {1});
             return square(w.polyPolygon({{{10, 10}, {90, 10}, {90, 90}, {10, 90}},
                                          {{40, 40}, {60, 40}, {60, 60}, {40, 60}}}));
         },
         {{None, QRect(42, 42, 16, 16), Red}, {All, QRect(15, 15, 20, 20), Red}}},
        {"polyFillWindingFillsInnerSquare",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetPolyFillMode, {2});
             return square(w.polyPolygon({{{10, 10}, {90, 10}, {90, 90}, {10, 90}},
                                          {{40, 40}, {60, 40}, {60, 60}, {40, 60}}}));
         },
         {{All, QRect(15, 15, 70, 70), Red}}},
        {"deletedIndexIsReusedByNextObject",
         [] {
             WmfWriter w = filledWith(Red);
             w.remove(0).brush(SolidBrush, Green).select(0);
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(5, 5, 90, 90), Green}}},
        {"selectingEmptyOrOutOfRangeIndexKeepsBrush",
         [] {
             WmfWriter w = filledWith(Red);
             w.select(7).select(60000).remove(40000);
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(5, 5, 90, 90), Red}}},
        {"anisotropicStretchesWindowOntoFrame",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {10, 20});
             return square(w.rectangle(QRect(0, 0, 5, 10)));
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 0, 47, 100), Red}, {None, QRect(0, 53, 100, 47), Red}}},
        {"isotropicKeepsUnitsSquare",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {7}).point(WmfFunction::SetWindowExt, {10, 20});
             return square(w.rectangle(QRect(0, 0, 10, 10)));
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 0, 47, 100), Red}}},
        {"viewportOriginShiftsDrawing",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetViewportOrg, {50, 50});
             return square(w.rectangle(QRect(0, 0, 20, 20)));
         },
         {{All, QRect(52, 52, 16, 16), Red}, {None, QRect(0, 0, 48, 100), Red}}},
        {"windowOriginShiftsDrawing",
         [] {
             WmfWriter w = filledWith(Red);
             w.point(WmfFunction::SetWindowOrg, {-50, 0});
             return square(w.rectangle(QRect(0, 0, 20, 20)));
         },
         {{All, QRect(52, 2, 16, 16), Red}, {None, QRect(0, 0, 48, 100), Red}}},
        {"twipsModeScalesByResolutionAndPointsYUp",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {6}).rectangle(QRect(0, -100, 100, 100));
             return w.placeable(QRect(0, 0, 100, 100), 720);
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 0, 47, 100), Red}, {None, QRect(0, 53, 100, 47), Red}}},
        {"metricModeUsesTenthsOfMillimetres",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {2}).rectangle(QRect(0, -254, 254, 254));
             return w.placeable(QRect(0, 0, 100, 100), 50);
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 0, 47, 100), Red}}},
        {"standardHeaderMapsWindowOntoTarget",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowOrg, {0, 100});
             w.point(WmfFunction::SetWindowExt, {200, -100});
             return w.rectangle(QRect(0, 50, 100, 50)).standard();
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 0, 47, 100), Red}, {None, QRect(0, 53, 100, 47), Red}}},
        {"zeroWindowExtentIsRefused",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {0, 0});
             w.record(WmfFunction::ScaleWindowExt, {0, 1, 0, 1});
             return square(w.rectangle(QRect(0, 0, 50, 50)));
         },
         {{All, QRect(2, 2, 46, 46), Red}, {None, QRect(53, 53, 47, 47), Red}}},
        {"restoreDcBringsBackBrush",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SaveDc, {}).brush(SolidBrush, Green).select(2);
             w.record(WmfFunction::RestoreDc, {-1});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(5, 5, 90, 90), Red}}},
        {"restoreDcBringsBackMapping",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SaveDc, {}).point(WmfFunction::SetWindowOrg, {-50, -50});
             w.record(WmfFunction::RestoreDc, {-1});
             return square(w.rectangle(QRect(0, 0, 20, 20)));
         },
         {{All, QRect(2, 2, 16, 16), Red}, {None, QRect(50, 50, 50, 50), Red}}},
        {"restoreDcToAbsoluteLevel",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SaveDc, {}).brush(SolidBrush, Green).select(2);
             w.record(WmfFunction::SaveDc, {}).brush(SolidBrush, Blue).select(3);
             w.record(WmfFunction::RestoreDc, {1});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(5, 5, 90, 90), Red}}},
        {"intersectClipRectCutsDrawing",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::IntersectClipRect, {100, 50, 0, 0});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(0, 0, 49, 100), Red}, {None, QRect(51, 0, 49, 100), Red}}},
        {"excludeClipRectLeavesHole",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::ExcludeClipRect, {60, 60, 40, 40});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{None, QRect(41, 41, 18, 18), Red}, {All, QRect(0, 0, 100, 39), Red}}},
        {"offsetClipRgnMovesClip",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::IntersectClipRect, {100, 50, 0, 0}).point(WmfFunction::OffsetClipRgn, {50, 0});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{None, QRect(0, 0, 49, 100), Red}, {All, QRect(51, 0, 49, 100), Red}}},
        {"selectClipRegionClipsToRegionBounds",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::CreateRegion, {0, 6, 0, 0, 22, 0, 0, 60, 0, 100, 40});
             w.record(WmfFunction::SelectClipRegion, {2});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(61, 0, 38, 39), Red}, {None, QRect(0, 0, 58, 100), Red}, {None, QRect(0, 42, 100, 58), Red}}},
        {"fillRegionUsesGivenBrush",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::CreateRegion, {0, 6, 0, 0, 22, 0, 0, 60, 0, 100, 40});
             w.brush(SolidBrush, Blue).record(WmfFunction::FillRegion, {2, 3});
             return square(w);
         },
         {{All, QRect(61, 1, 38, 38), Blue}, {None, QRect(0, 0, 100, 100), Red}}},
        {"restoreDcBringsBackClip",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(WmfFunction::SaveDc, {}).record(WmfFunction::IntersectClipRect, {10, 10, 0, 0});
             w.record(WmfFunction::RestoreDc, {-1});
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(0, 0, 100, 100), Red}}},
        {"stretchDibFillsTargetTopRowFirst",
         [] {
             WmfWriter w;
             const QByteArray dib = WmfWriter::dib24({{Blue, White}, {Red, Green}});
             return square(w.stretchDib(QRect(0, 0, 100, 100), QSize(2, 2), dib));
         },
         {{All, QRect(5, 5, 40, 40), Blue}, {All, QRect(55, 55, 40, 40), Green}, {All, QRect(5, 55, 40, 40), Red}}},
        {"runLengthEncodedDibWithEightBitRuns",
         [] {
             const QByteArray bits = QByteArray::fromHex("0200" "0000" "0102" "0103" "0001");
             const QByteArray dib = WmfWriter::dibIndexed({2, 2}, 8, 1, {Red, Green, Blue, White}, bits);
             return square(WmfWriter().stretchDib(QRect(0, 0, 100, 100), QSize(2, 2), dib));
         },
         {{All, QRect(5, 5, 40, 40), Blue}, {All, QRect(5, 55, 90, 40), Red}}},
        {"runLengthEncodedDibWithFourBitAbsoluteRun",
         [] {
             const QByteArray bits = QByteArray::fromHex("0003" "1230" "0100" "0001");
             const QByteArray dib = WmfWriter::dibIndexed({4, 1}, 4, 2, {Red, Green, Blue, White}, bits);
             return square(WmfWriter().stretchDib(QRect(0, 0, 100, 100), QSize(4, 1), dib));
         },
         {{All, QRect(2, 0, 21, 100), Green}, {All, QRect(27, 0, 21, 100), Blue}, {All, QRect(77, 0, 21, 100), Red}}},
        {"dibStretchBltUsesLogicalTarget",
         [] {
             WmfWriter w;
             QByteArray params;
             params += QByteArray::fromHex("2000cc00") + QByteArray::fromHex("0200020000000000");
             params += QByteArray::fromHex("32003200" "00000000");
             w.record(quint16(WmfFunction::DibStretchBlt), params + WmfWriter::dib24({{Blue, White}, {Red, Green}}));
             return square(w);
         },
         {{All, QRect(2, 2, 20, 20), Blue}, {All, QRect(27, 27, 20, 20), Green}, {None, QRect(52, 0, 48, 100), Blue}}},
        {"dibBitBltDrawsBitmapAtItsSize",
         [] {
             WmfWriter w;
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {4, 4});
             QByteArray params = QByteArray::fromHex("2000cc00" "0000" "0000" "0200" "0200" "0000" "0000");
             w.record(quint16(WmfFunction::DibBitBlt), params + WmfWriter::dib24({{Blue, White}, {Red, Green}}));
             return square(w);
         },
         {{All, QRect(2, 2, 20, 20), Blue}, {All, QRect(27, 27, 20, 20), Green}, {None, QRect(52, 0, 48, 100), Blue}}},
        {"unknownRecordsAreSkipped",
         [] {
             WmfWriter w = filledWith(Red);
             w.record(0x0999, QByteArray("any bytes at all"));
             w.record(quint16(WmfFunction::Escape), QByteArray::fromHex("0f00040001020304"));
             return square(w.rectangle(QRect(0, 0, 100, 100)));
         },
         {{All, QRect(5, 5, 90, 90), Red}}},
        {"textOutTopLeftHangsBelowPoint",
         [] { return square(redText(Top).textOut({20, 20}, "H")); },
         {{Some, QRect(20, 20, 40, 40), Red}, {None, QRect(0, 0, 100, 19), Red}, {None, QRect(0, 0, 19, 100), Red}}},
        {"textRightAlignmentEndsAtPoint",
         [] { return square(redText(Right).textOut({80, 20}, "H")); },
         {{Some, QRect(40, 20, 40, 40), Red}, {None, QRect(82, 0, 18, 100), Red}}},
        {"textCenterAlignmentStraddlesPoint",
         [] { return square(redText(Center).textOut({50, 20}, "HH")); },
         {{Some, QRect(20, 20, 28, 40), Red}, {Some, QRect(52, 20, 28, 40), Red}}},
        {"textBaselineAlignmentSitsOnPoint",
         [] { return square(redText(Baseline).textOut({20, 60}, "H")); },
         {{Some, QRect(20, 30, 40, 30), Red}, {None, QRect(0, 62, 100, 38), Red}}},
        {"textBottomAlignmentEndsAbovePoint",
         [] { return square(redText(Bottom).textOut({20, 90}, "H")); },
         {{Some, QRect(20, 40, 40, 40), Red}, {None, QRect(0, 91, 100, 9), Red}, {None, QRect(0, 0, 100, 40), Red}}},
        {"textHeightFollowsMapping",
         [] {
             WmfWriter w = redText(Top);
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {50, 50});
             return square(w.font(-20, "Arial").select(1).textOut({0, 0}, "H"));
         },
         {{Some, QRect(0, 22, 40, 6), Red}}},
        {"opaqueTextFillsBackground",
         [] {
             WmfWriter w = redText(Top);
             w.record(WmfFunction::SetBkMode, {Opaque}).color(WmfFunction::SetBkColor, Blue);
             return square(w.textOut({20, 20}, "H"));
         },
         {{Some, QRect(20, 20, 40, 40), Blue}, {Some, QRect(20, 20, 40, 40), Red}, {None, QRect(0, 0, 100, 19), Blue}}},
        {"transparentTextLeavesBackground",
         [] {
             WmfWriter w = redText(Top);
             w.color(WmfFunction::SetBkColor, Blue);
             return square(w.textOut({20, 20}, "H"));
         },
         {{None, QRect(0, 0, 100, 100), Blue}, {Some, QRect(20, 20, 40, 40), Red}}},
        {"extTextOutOpaqueRectangleUsesBackgroundColour",
         [] {
             WmfWriter w = redText(Top);
             w.color(WmfFunction::SetBkColor, Blue);
             return square(w.extTextOut({0, 50}, "H", 0x0002, QRect(0, 0, 100, 20)));
         },
         {{All, QRect(0, 0, 100, 20), Blue}, {Some, QRect(0, 50, 40, 40), Red}}},
        {"extTextOutClippedStaysInRectangle",
         [] {
             WmfWriter w = redText(Top);
             return square(w.extTextOut({10, 10}, "HHHH", 0x0004, QRect(0, 0, 40, 30)));
         },
         {{Some, QRect(10, 10, 30, 20), Red}, {None, QRect(41, 0, 59, 100), Red}, {None, QRect(0, 31, 100, 69), Red}}},
        {"extTextOutSpacesCharactersByDx",
         [] {
             WmfWriter w = redText(Top);
             return square(w.extTextOut({0, 20}, "II", 0, QRect(), {80, 0}));
         },
         {{Some, QRect(0, 20, 20, 40), Red}, {Some, QRect(80, 20, 20, 40), Red}, {None, QRect(25, 0, 50, 100), Red}}},
        {"updateCurrentPositionAdvancesText",
         [] {
             WmfWriter w = redText(Top | 1);
             w.point(WmfFunction::MoveTo, {0, 20}).textOut({90, 90}, "H").textOut({90, 90}, "H");
             return square(w);
         },
         {{Some, QRect(0, 20, 30, 40), Red}, {Some, QRect(30, 20, 30, 40), Red}, {None, QRect(0, 70, 100, 30), Red}}},
    };
    return cases;
}

class WmfPlayTest : public testing::TestWithParam<PlayCase>
{
};

TEST_P(WmfPlayTest, DrawsExpectedPixels)
{
    const QImage image = playOnImage(GetParam().metafile());
    ASSERT_FALSE(image.isNull()) << "metafile was refused";
    for (size_t i = 0; i < GetParam().checks.size(); ++i) {
        const QString failure = failedCheck(image, GetParam().checks[i]);
        EXPECT_TRUE(failure.isEmpty()) << "check " << i << ": " << failure.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Records, WmfPlayTest, testing::ValuesIn(playCases()),
                         RowName());

// Strokes with the pen along the frame's edges and across it, far past it.
QByteArray strokesPastFrame(quint16 penStyle, qint16 penWidth)
{
    WmfWriter writer;
    writer.pen(penStyle, penWidth, Black).select(0).brush(NullBrush, White).select(1).rectangle(QRect(0, 0, 100, 100));
    writer.point(WmfFunction::MoveTo, QPoint(-300, -300)).point(WmfFunction::LineTo, QPoint(400, 400));
    return square(writer);
}

TEST(PictureFrameTest, LeavesThePageAroundTheFrameAlone)
{
    for (const QByteArray &metafile : {strokesPastFrame(SolidPen, 60), strokesPastFrame(DashPen, 3)}) {
        QImage page(200, 200, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        // Scaled like the page, the frame's edges inside the device's pixels.
        painter.scale(2, 2);
        Picture(WmfPicture::fromData(metafile)).draw(painter, QRectF(30.2, 25.2, 39.6, 49.6));
        for (const QRect band : {QRect(0, 0, 200, 50), QRect(0, 150, 200, 50), QRect(0, 0, 60, 200),
                                 QRect(140, 0, 60, 200)})
            EXPECT_EQ(failedCheck(page, {All, band, White}).toStdString(), "");
        EXPECT_EQ(failedCheck(page, {Some, QRect(60, 50, 80, 100), Black}).toStdString(), "");
    }
}

} // namespace
