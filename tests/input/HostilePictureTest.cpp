// SPDX-License-Identifier: MIT
#include "HostileRasters.h"

#include "input/DecodingCost.h"
#include "input/PictureLoader.h"
#include "tests/support/RowName.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
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
                      HostileRaster{"ProgressivePhoto", [] { return jpegOf(photo(1600, 1200), true); }, true},
                      HostileRaster{"BaselinePhoto", [] { return jpegOf(photo(1600, 1200), false); }, true},
                      HostileRaster{"GifScreen1000", [] { return gifScreen(1000, 1000); }, true},
                      HostileRaster{"RunLengthBmp1000", [] { return rleBmp(1000, 1000); }, true}),
    RowName());

// The fuzzer's hostile seeds are refused before they are decoded.
TEST(HostileRasterSeedsTest, AreRefused)
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
