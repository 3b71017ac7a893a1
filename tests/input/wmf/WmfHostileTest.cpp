// SPDX-License-Identifier: MIT
#include "WmfTestImage.h"
#include "WmfWriter.h"
#include "input/wmf/WmfLineClipper.h"
#include "input/wmf/WmfPicture.h"
#include "input/wmf/WmfPlayer.h"
#include "tests/support/RowName.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);
enum : quint16 { SolidBrush = 0, SolidPen = 0, DashPen = 1, NullPen = 5 };
constexpr qint16 Lowest = -32768;
constexpr qint16 Highest = 32767;

// A frame of 2 x 2 units: every full-range coordinate lies thousands of
// frames away, and each unit is 50 pixels of the test image.
QByteArray tinyFrame(const WmfWriter &writer)
{
    return writer.placeable(QRect(0, 0, 2, 2), 1440);
}

// Dashed red lines across the whole 16-bit range, all through the frame's
// centre.
QByteArray dashedLinesThroughTheFrame()
{
    WmfWriter writer;
    writer.pen(DashPen, 0, Red).select(0);
    for (int i = 0; i < 200; ++i) {
        const qint16 y = qint16(Lowest + i * 327);
        writer.point(WmfFunction::MoveTo, QPoint(Lowest, y)).point(WmfFunction::LineTo, QPoint(Highest, 2 - y));
    }
    return tinyFrame(writer);
}

// Ellipses far larger than the frame, outlined with the widest pen.
QByteArray hugePenEllipses()
{
    WmfWriter writer;
    writer.brush(SolidBrush, Blue).select(0).pen(SolidPen, Highest, Red).select(1);
    for (int i = 0; i < 100; ++i)
        writer.rectangle(QRect(QPoint(Lowest + i, Lowest), QPoint(Highest - 1, Highest - 1)));
    for (int i = 0; i < 100; ++i) {
        writer.record(WmfFunction::Ellipse, {Highest, Highest, Lowest, qint16(Lowest + i)});
    }
    return tinyFrame(writer);
}

QByteArray hugePenThroughTheFrame()
{
    WmfWriter writer;
    writer.pen(SolidPen, Highest, Red).select(0);
    writer.point(WmfFunction::MoveTo, QPoint(Lowest, 1)).point(WmfFunction::LineTo, QPoint(Highest, 1));
    return tinyFrame(writer);
}

// An 8-bit run-length DIB of 4096 x 4096, all of one colour.
QByteArray largeRunLengthDib(QColor color)
{
    QByteArray row;
    for (int x = 0; x < 4096; x += 256)
        row += QByteArray::fromHex("ff00") + QByteArray::fromHex("0100");
    row += QByteArray::fromHex("0000");
    return WmfWriter::dibIndexed(QSize(4096, 4096), 8, 1, {color}, row.repeated(4096) + QByteArray::fromHex("0001"));
}

// Ten of the largest bitmaps over the whole frame: the first, red, is all
// the bitmap budget of a play allows; the blue ones after it are left out.
QByteArray stretchedBitmaps()
{
    WmfWriter writer;
    for (int i = 0; i < 10; ++i)
        writer.stretchDib(QRect(0, 0, 2, 2), QSize(4096, 4096), largeRunLengthDib(i < 1 ? Red : Blue));
    return tinyFrame(writer);
}

struct HostileMetafile
{
    const char *name;
    std::function<QByteArray()> metafile;
    PixelCheck check;
};

class WmfFarGeometryTest : public ::testing::TestWithParam<HostileMetafile>
{
};

TEST_P(WmfFarGeometryTest, ShowsWhatLiesInTheFrame)
{
    const QImage image = playOnImage(GetParam().metafile());
    EXPECT_EQ(failedCheck(image, GetParam().check), QString());
}

TEST(WmfDashedLinesTest, DashedLinesShowInTheFrame)
{
    const QImage image = playOnImage(dashedLinesThroughTheFrame());
    int drawn = 0;
    for (int y = 40; y < 60; ++y) {
        for (int x = 40; x < 60; ++x)
            drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_GT(drawn, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Metafiles, WmfFarGeometryTest,
    ::testing::Values(
        // The outlines lie thousands of frames away, their pens too narrow
        // to reach it: only the fill shows.
        HostileMetafile{"HugePenShapes", hugePenEllipses, {PixelCheck::All, QRect(0, 0, 100, 100), Blue}},
        // A pen of the full width on the frame's edge: stroked no wider than
        // the frame, it still covers it.
        HostileMetafile{"HugePenThroughTheFrame", hugePenThroughTheFrame, {PixelCheck::All, QRect(0, 0, 100, 100), Red}},
        HostileMetafile{"StretchedRunLengthBitmaps", stretchedBitmaps, {PixelCheck::All, QRect(10, 10, 80, 80), Red}}),
    RowName());

// Polylines of the most points a record holds; the last, blue, lies past
// the drawing budget and is not drawn.
TEST(WmfWorkBudgetTest, StopsDrawingPastTheBudget)
{
    constexpr int points = 65535;
    const int polylines = int(WmfPlayer::MaxWork / points) + 1;
    WmfWriter writer;
    writer.pen(SolidPen, 4, Red).select(0).pen(SolidPen, 4, Blue).select(1);
    std::vector<QPoint> zigzag(points);
    for (int i = 0; i < points; ++i)
        zigzag[size_t(i)] = QPoint(10 + i % 2, 10 + (i % 2) * 30);
    writer.select(0);
    for (int i = 0; i < polylines; ++i)
        writer.polygon(WmfFunction::Polyline, zigzag);
    writer.select(1).polygon(WmfFunction::Polyline, {QPoint(70, 10), QPoint(70, 90)});
    const QImage image = playOnImage(writer.placeable(QRect(0, 0, 100, 100), 1440));
    EXPECT_EQ(failedCheck(image, {PixelCheck::Some, QRect(8, 8, 6, 34), Red}), QString());
    EXPECT_EQ(failedCheck(image, {PixelCheck::None, QRect(60, 0, 20, 100), Blue}), QString());
}

// Drawn twice, a bitmap is decoded once and kept: the second draw gives the
// same pixels.
TEST(WmfBitmapReuseTest, SecondDrawMatchesTheFirst)
{
    const std::shared_ptr<const WmfPicture> picture = WmfPicture::fromData(stretchedBitmaps());
    ASSERT_TRUE(picture);
    QImage first(60, 60, QImage::Format_RGB32);
    first.fill(White);
    QImage second = first;
    for (QImage *image : {&first, &second}) {
        QPainter painter(image);
        picture->draw(painter, QRectF(5, 5, 50, 50));
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.pixelColor(30, 30), Red);
}

// The fuzzer's hostile seeds are real metafiles: they load and play, and
// what lies in the frame shows.
TEST(WmfHostileSeedsTest, LoadAndPlay)
{
    for (const char *name : {"dashed-full-range.wmf", "huge-pen-ellipses.wmf", "stretched-run-length.wmf",
                             "full-range-polyline.wmf"}) {
        QFile file(QStringLiteral(FUZZ_CORPUS "/wmf/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const std::shared_ptr<const WmfPicture> picture = WmfPicture::fromData(file.readAll());
        ASSERT_TRUE(picture) << name;
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(White);
        QPainter painter(&image);
        picture->draw(painter, QRectF(4, 4, 40, 40));
        painter.end();
        int drawn = 0;
        for (int y = 4; y < 44; ++y) {
            for (int x = 4; x < 44; ++x)
                drawn += image.pixelColor(x, y) != White;
        }
        EXPECT_GT(drawn, 0) << name;
    }
}

struct ClipCase
{
    const char *name;
    QPolygonF polyline;
    std::vector<QPolygonF> parts;
};

class WmfLineClipperTest : public ::testing::TestWithParam<ClipCase>
{
};

TEST_P(WmfLineClipperTest, KeepsThePartsInside)
{
    EXPECT_EQ(WmfLineClipper::clip(GetParam().polyline, QRectF(0, 0, 10, 10)), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Polylines, WmfLineClipperTest,
    ::testing::Values(
        ClipCase{"Inside", {{1, 1}, {9, 1}, {9, 9}}, {{{1, 1}, {9, 1}, {9, 9}}}},
        ClipCase{"Outside", {{-5, -5}, {-5, 20}}, {}},
        ClipCase{"Across", {{-10, 5}, {20, 5}}, {{{0, 5}, {10, 5}}}},
        ClipCase{"Diagonal", {{-100, -100}, {100, 100}}, {{{0, 0}, {10, 10}}}},
        ClipCase{"LeavesAndComesBack", {{5, 5}, {5, 50}, {8, 50}, {8, 5}}, {{{5, 5}, {5, 10}}, {{8, 10}, {8, 5}}}},
        ClipCase{"EntersThenStaysInside", {{-5, 5}, {5, 5}, {5, 8}}, {{{0, 5}, {5, 5}, {5, 8}}}}),
    RowName());

} // namespace
