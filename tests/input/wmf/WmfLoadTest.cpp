// SPDX-License-Identifier: MIT
#include "WmfTestImage.h"
#include "tests/support/RowName.h"
#include "WmfWriter.h"

#include "input/wmf/WmfPicture.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor Red(255, 0, 0);

QByteArray withoutLast(QByteArray data, qsizetype bytes)
{
    data.chop(bytes);
    return data;
}

QByteArray simpleRecords()
{
    WmfWriter w;
    w.brush(0, Red).select(0).rectangle(QRect(0, 0, 10, 10));
    return w.standard();
}

struct LoadCase
{
    const char *name;
    std::function<QByteArray()> data;
    bool loads;
};

const std::vector<LoadCase> &loadCases()
{
    static const std::vector<LoadCase> cases = {
        {"standardHeader", [] { return simpleRecords(); }, true},
        {"placeableHeader", [] { return WmfWriter().rectangle(QRect(0, 0, 5, 5)).placeable(QRect(0, 0, 10, 10), 96); }, true},
        {"recordsEndingWithoutEof", [] { return WmfWriter().rectangle(QRect(0, 0, 5, 5)).standard(16, false); }, true},
        {"bytesAfterEofAreIgnored", [] { return simpleRecords() + "trailing"; }, true},
        {"emptyData", [] { return QByteArray(); }, false},
        {"plainText", [] { return QByteArray("This is not a metafile, just some text."); }, false},
        {"headerOfUnknownType", [] { QByteArray d = simpleRecords(); d[0] = 3; return d; }, false},
        {"headerOfWrongSize", [] { QByteArray d = simpleRecords(); d[2] = 8; return d; }, false},
        {"headerOfUnknownVersion", [] { QByteArray d = simpleRecords(); d[5] = 2; return d; }, false},
        {"headerCutShort", [] { return simpleRecords().left(12); }, false},
        {"placeableHeaderCutShort", [] { return QByteArray::fromHex("d7cdc69a0000000000000a00"); }, false},
        {"placeableWithoutStandardHeader",
         [] { return WmfWriter().placeable(QRect(0, 0, 10, 10), 96).left(22) + QByteArray(18, '\0'); }, false},
        {"truncatedLastRecord", [] { return withoutLast(WmfWriter().rectangle(QRect(0, 0, 5, 5)).standard(16, false), 2); }, false},
        {"recordSizeRunsPastEnd",
         [] { return WmfWriter().rawRecord(1000, quint16(WmfFunction::Rectangle), QByteArray(8, '\0')).standard(); }, false},
        {"recordSizeZero", [] { return WmfWriter().rawRecord(0, quint16(WmfFunction::SaveDc), {}).standard(); }, false},
        {"recordSizeBelowItsHeader", [] { return WmfWriter().rawRecord(2, quint16(WmfFunction::SaveDc), {}).standard(); }, false},
        {"hugeRecordSize", [] { return WmfWriter().rawRecord(0xFFFFFFFF, quint16(WmfFunction::SaveDc), {}).standard(); }, false},
        {"partialRecordHeaderAtEnd", [] { return withoutLast(simpleRecords(), 6) + "abc"; }, false},
        {"polygonCountPastRecord", [] { return WmfWriter().record(WmfFunction::Polygon, {30000, 1, 2, 3, 4}).standard(); }, false},
        {"polyPolygonCountsPastRecord",
         [] { return WmfWriter().record(WmfFunction::PolyPolygon, {2, 3, 30000, 0, 0, 1, 1, 2, 2}).standard(); }, false},
        {"polyPolygonPolygonCountPastRecord", [] { return WmfWriter().record(WmfFunction::PolyPolygon, {-1}).standard(); }, false},
        {"textLengthPastRecord", [] { return WmfWriter().record(WmfFunction::TextOut, {200, 0x4141, 0, 0}).standard(); }, false},
        {"negativeTextLength", [] { return WmfWriter().record(WmfFunction::TextOut, {-4, 0, 0}).standard(); }, false},
        {"extTextLengthPastRecord", [] { return WmfWriter().record(WmfFunction::ExtTextOut, {0, 0, 50, 0, 0x4141}).standard(); }, false},
        {"extTextRectanglePastRecord", [] { return WmfWriter().record(WmfFunction::ExtTextOut, {0, 0, 0, 4, 0}).standard(); }, false},
        {"penRecordTooShort", [] { return WmfWriter().record(WmfFunction::CreatePenIndirect, {0, 1}).standard(); }, false},
        {"rectangleRecordTooShort", [] { return WmfWriter().record(WmfFunction::Rectangle, {1, 2}).standard(); }, false},
        {"dibBitsPastRecord",
         [] {
             QByteArray dib = WmfWriter::dib24({{Red, Red}, {Red, Red}});
             dib.chop(4);
             return WmfWriter().stretchDib(QRect(0, 0, 10, 10), QSize(2, 2), dib).standard();
         },
         false},
        {"dibHeaderSizePastRecord",
         [] { return WmfWriter().stretchDib(QRect(0, 0, 10, 10), QSize(2, 2), QByteArray::fromHex("ff000000")).standard(); },
         false},
        {"dibHeightOverflowingSize",
         [] {
             QByteArray dib = WmfWriter::dib24({{Red}});
             dib.replace(4, 8, QByteArray::fromHex("ffffff7fffffff7f"));
             return WmfWriter().stretchDib(QRect(0, 0, 10, 10), QSize(2, 2), dib).standard();
         },
         false},
    };
    return cases;
}

class WmfLoadTest : public testing::TestWithParam<LoadCase>
{
};

TEST_P(WmfLoadTest, LoadsOnlyWellFormedMetafiles)
{
    EXPECT_EQ(WmfPicture::fromData(GetParam().data()) != nullptr, GetParam().loads);
}

INSTANTIATE_TEST_SUITE_P(Data, WmfLoadTest, testing::ValuesIn(loadCases()),
                         RowName());

struct SizeCase
{
    const char *name;
    std::function<QByteArray()> data;
    QSizeF twips;
};

const std::vector<SizeCase> &sizeCases()
{
    static const std::vector<SizeCase> cases = {
        {"placeableInTwips", [] { return WmfWriter().placeable(QRect(0, 0, 1440, 720), 1440); }, {1440, 720}},
        {"placeableInThousandthsOfInch", [] { return WmfWriter().placeable(QRect(0, 0, 1000, 500), 1000); }, {1440, 720}},
        {"placeableWithOffsetBox", [] { return WmfWriter().placeable(QRect(-300, 200, 600, 300), 600); }, {1440, 720}},
        {"placeableWithReversedBox",
         [] {
             QByteArray d = WmfWriter().placeable(QRect(0, 0, 96, 48), 96);
             d.replace(6, 8, QByteArray::fromHex("6000300000000000"));
             return d;
         },
         {1440, 720}},
        {"standardFromWindowExtentAtScreenResolution",
         [] {
             WmfWriter w;
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {192, -96});
             return w.standard();
         },
         {2880, 1440}},
        {"standardWithoutWindowFromDrawing",
         [] {
             WmfWriter w;
             w.pen(5, 0, Red).select(0).rectangle(QRect(10, 10, 96, 48));
             return w.standard();
         },
         {1440, 720}},
        {"placeableWithZeroBoxFallsBackToWindow",
         [] {
             WmfWriter w;
             w.point(WmfFunction::SetWindowExt, {96, 96});
             return w.placeable(QRect(0, 0, 0, 0), 1440);
         },
         {1440, 1440}},
        {"emptyStandardIsOneInch", [] { return WmfWriter().standard(); }, {1440, 1440}},
    };
    return cases;
}

class WmfSizeTest : public testing::TestWithParam<SizeCase>
{
};

TEST_P(WmfSizeTest, SizeComesFromHeaderOrWindow)
{
    const auto picture = WmfPicture::fromData(GetParam().data());
    ASSERT_NE(picture, nullptr);
    EXPECT_NEAR(picture->sizeTwips().width(), GetParam().twips.width(), 0.01);
    EXPECT_NEAR(picture->sizeTwips().height(), GetParam().twips.height(), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Headers, WmfSizeTest, testing::ValuesIn(sizeCases()),
                         RowName());

// Hostile but well-formed records: the player must survive them and still
// draw the red square that follows.
struct HostileCase
{
    const char *name;
    std::function<void(WmfWriter &)> records;
};

const std::vector<HostileCase> &hostileCases()
{
    static const std::vector<HostileCase> cases = {
        {"deepSaveDcNesting",
         [](WmfWriter &w) {
             for (int i = 0; i < 5000; ++i)
                 w.record(WmfFunction::SaveDc, {});
             w.brush(0, Qt::green).select(2);
             for (int i = 0; i < 5000; ++i)
                 w.record(WmfFunction::RestoreDc, {-1});
         }},
        {"restoreWithoutSave", [](WmfWriter &w) { w.record(WmfFunction::RestoreDc, {-32768}).record(WmfFunction::RestoreDc, {500}); }},
        {"manyObjectsBeyondTable",
         [](WmfWriter &w) {
             for (int i = 0; i < 3000; ++i)
                 w.pen(0, 1, Qt::blue);
         }},
        {"objectIndicesOutOfRange", [](WmfWriter &w) { w.select(65535).remove(65535).record(WmfFunction::FillRegion, {-1, -1}); }},
        {"dibWithUnknownHeader",
         [](WmfWriter &w) { w.stretchDib(QRect(0, 0, 100, 100), QSize(1, 1), QByteArray::fromHex("07000000aabbccdd")); }},
        {"dibTooLargeToDecode",
         [](WmfWriter &w) {
             QByteArray dib = WmfWriter::dib24({{Qt::blue}});
             dib.replace(4, 8, QByteArray::fromHex("0040000000400000"));
             dib[16] = 1;
             w.stretchDib(QRect(0, 0, 100, 100), QSize(16384, 16384), dib);
         }},
        {"runLengthCodesPastEdges",
         [](WmfWriter &w) {
             const QByteArray bits = QByteArray::fromHex("ff01" "0002ffff" "ff02" "0000" "00c8" "0102");
             const QByteArray dib = WmfWriter::dibIndexed({2, 2}, 8, 1, {Qt::blue, Qt::green}, bits);
             w.stretchDib(QRect(0, 0, 100, 100), QSize(2, 2), dib);
         }},
        {"hugeCoordinatesAndScale",
         [](WmfWriter &w) {
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {1, 1});
             w.pen(0, 32767, Qt::blue).select(2).record(WmfFunction::Ellipse, {32767, 32767, -32768, -32768});
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {100, 100});
         }},
        {"hugeFontHeight",
         [](WmfWriter &w) { w.font(-32768, "Arial").select(2).textOut({0, 0}, "Big"); }},
        {"fragmentedClipRegion",
         [](WmfWriter &w) {
             for (qint16 i = 0; i < 3000; ++i)
                 w.record(WmfFunction::ExcludeClipRect, {qint16(i % 50 * 2 + 1), qint16(i / 50 * 2 + 1), qint16(i % 50 * 2), qint16(i / 50 * 2)});
             w.record(WmfFunction::SelectClipRegion, {0});
         }},
        {"clipOffsetOutOfRange",
         [](WmfWriter &w) {
             w.record(WmfFunction::SetMapMode, {8}).point(WmfFunction::SetWindowExt, {1, 1});
             w.record(WmfFunction::IntersectClipRect, {1, 1, 0, 0});
             for (int i = 0; i < 10; ++i)
                 w.point(WmfFunction::OffsetClipRgn, {32767, 32767});
             w.point(WmfFunction::SetWindowExt, {100, 100}).record(WmfFunction::SelectClipRegion, {0});
         }},
        {"emptyShapes",
         [](WmfWriter &w) {
             w.polygon(WmfFunction::Polygon, {}).polygon(WmfFunction::Polyline, {{1, 1}});
             w.record(WmfFunction::Arc, {0, 0, 0, 0, 0, 0, 0, 0}).record(WmfFunction::PolyPolygon, {0});
         }},
    };
    return cases;
}

class WmfHostileTest : public testing::TestWithParam<HostileCase>
{
};

TEST_P(WmfHostileTest, SurvivesAndKeepsDrawing)
{
    WmfWriter writer;
    writer.brush(0, Red).select(0).pen(5, 0, Qt::black).select(1);
    GetParam().records(writer);
    writer.select(0).select(1).rectangle(QRect(40, 40, 20, 20));
    const QImage image = playOnImage(writer.placeable(QRect(0, 0, 100, 100), 1440, 4));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(failedCheck(image, {PixelCheck::All, QRect(42, 42, 16, 16), Red}).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Records, WmfHostileTest, testing::ValuesIn(hostileCases()),
                         RowName());

TEST(WmfPictureTest, DrawsStretchedIntoTargetOfAnyPainter)
{
    WmfWriter writer;
    writer.brush(0, Red).select(0).pen(5, 0, Qt::black).select(1).rectangle(QRect(0, 0, 50, 50));
    const auto picture = WmfPicture::fromData(writer.placeable(QRect(0, 0, 100, 100), 1440));
    ASSERT_NE(picture, nullptr);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(20, 20);
    painter.setClipRect(QRectF(0, 0, 60, 200));
    picture->draw(painter, QRectF(0, 0, 160, 160));
    painter.end();
    EXPECT_EQ(failedCheck(image, {PixelCheck::All, QRect(22, 22, 56, 76), Red}).toStdString(), "");
    EXPECT_EQ(failedCheck(image, {PixelCheck::None, QRect(82, 0, 118, 200), Red}).toStdString(), "");
    EXPECT_EQ(failedCheck(image, {PixelCheck::None, QRect(0, 102, 200, 98), Red}).toStdString(), "");
}

} // namespace
