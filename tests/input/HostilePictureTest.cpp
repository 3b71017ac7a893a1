// SPDX-License-Identifier: MIT
#include "input/DecodingCost.h"
#include "input/PictureLoader.h"
#include "tests/support/RowName.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF));
    }
    return image;
}

QByteArray jpeg(const QImage &image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

// The frame header of a small JPEG made to claim another size.
QByteArray jpegClaiming(bool progressive, quint16 width, quint16 height)
{
    QByteArray bytes = jpeg(photo(16, 16), progressive);
    const qsizetype frame = bytes.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    EXPECT_GE(frame, 0);
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

// 35 bytes: a one-pixel frame on a screen of width x height.
QByteArray gifScreen(quint16 width, quint16 height)
{
    QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff2c00000000010001000002024401003b");
    qToLittleEndian<quint16>(width, gif.data() + 6);
    qToLittleEndian<quint16>(height, gif.data() + 8);
    return gif;
}

// An 8-bit run-length BMP whose rows end at once: the reader still makes
// the whole declared image.
QByteArray rleBmp(qint32 width, qint32 height)
{
    QByteArray bmp(54 + 1024, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(54 + 1024, bmp.data() + 10);
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(width, bmp.data() + 18);
    qToLittleEndian<qint32>(height, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(8, bmp.data() + 28);
    qToLittleEndian<quint32>(1, bmp.data() + 30);
    qToLittleEndian<quint32>(256, bmp.data() + 46);
    bmp += QByteArray::fromHex("0001");
    qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 2);
    return bmp;
}

struct HostileRaster
{
    const char *name;
    std::function<QByteArray()> contents;
    bool loads;
};

class HostileRasterTest : public ::testing::TestWithParam<HostileRaster>
{
};

TEST_P(HostileRasterTest, LoadsOnlyWithinTheBudget)
{
    QByteArray bytes = GetParam().contents();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(decodeImage(buffer).has_value(), GetParam().loads);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileRasterTest,
    ::testing::Values(HostileRaster{"ProgressiveJpegClaiming8190", [] { return jpegClaiming(true, 8190, 8190); }, false},
                      HostileRaster{"GifScreen8000", [] { return gifScreen(8000, 8000); }, false},
                      HostileRaster{"RunLengthBmp8000", [] { return rleBmp(8000, 8000); }, false},
                      HostileRaster{"ProgressivePhoto", [] { return jpeg(photo(1600, 1200), true); }, true},
                      HostileRaster{"BaselinePhoto", [] { return jpeg(photo(1600, 1200), false); }, true},
                      HostileRaster{"GifScreen1000", [] { return gifScreen(1000, 1000); }, true},
                      HostileRaster{"RunLengthBmp1000", [] { return rleBmp(1000, 1000); }, true}),
    RowName());

// The fuzzer's hostile seeds are refused before they are decoded.
TEST(HostileRasterSeeds, AreRefused)
{
    for (const char *name : {"progressive-claiming-8190.jpg", "screen-8000.gif", "run-length-8000.bmp"}) {
        QFile file(QStringLiteral(FUZZ_CORPUS "/picture/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_FALSE(decodeImage(file)) << name;
    }
}

struct CostCase
{
    const char *name;
    std::function<QByteArray()> contents;
    QByteArray format;
    QSize declared;
    qint64 atLeast;
    qint64 atMost;
};

class DecodingCostTest : public ::testing::TestWithParam<CostCase>
{
};

TEST_P(DecodingCostTest, CountsWhatTheDecoderKeeps)
{
    QByteArray bytes = GetParam().contents();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(2);
    const qint64 cost = DecodingCost::bytesFor(buffer, 0, GetParam().format, GetParam().declared, QSize(100, 100));
    EXPECT_GE(cost, GetParam().atLeast);
    EXPECT_LE(cost, GetParam().atMost);
    EXPECT_EQ(buffer.pos(), 2);
}

constexpr qint64 megabyte = 1024 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Headers, DecodingCostTest,
    ::testing::Values(
        // Three components of 2-byte coefficients for every pixel.
        CostCase{"ProgressiveJpeg", [] { return jpegClaiming(true, 4096, 4096); }, "jpeg", QSize(4096, 4096),
                 96 * megabyte, 98 * megabyte},
        // Decoded at an eighth (512 x 512), then smoothed to what is kept.
        CostCase{"BaselineJpegDecodesScaled", [] { return jpegClaiming(false, 4096, 4096); }, "jpeg",
                 QSize(4096, 4096), 512 * 512 * 4, 512 * 512 * 4 + 100 * 100 * 4},
        CostCase{"GifFirstFrameBeyondTheScreen",
                 [] {
                     QByteArray gif = gifScreen(10, 10);
                     qToLittleEndian<quint16>(2000, gif.data() + 26);
                     return gif;
                 },
                 "gif", QSize(10, 10), 2000 * 10 * 8, 2000 * 10 * 8 + megabyte},
        CostCase{"BmpFullImage", [] { return rleBmp(1000, 1000); }, "bmp", QSize(1000, 1000), 8'000'000,
                 8'000'000 + megabyte}),
    RowName());

} // namespace
