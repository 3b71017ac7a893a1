// SPDX-License-Identifier: MIT
#include "input/PictureLoader.h"
#include "input/ShowPicFile.h"
#include "tests/support/RowName.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The smallest GIF: one transparent pixel.
const QByteArray onePixelGif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                                                   "010001000002024401003b");

QImage testImage(int width, int height, double dpi)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

// A BMP header for width x height at 24 bits with no pixels behind it.
QByteArray bmpDeclaring(qint32 width, qint32 height)
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54 + 16, header.data() + 2);
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(width, header.data() + 18);
    qToLittleEndian<qint32>(height, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header + QByteArray(16, '\x7f');
}

// The one-pixel GIF with its screen and image said to be 65535 x 65535.
QByteArray gifDeclaringHuge()
{
    QByteArray gif = onePixelGif;
    qToLittleEndian<quint16>(0xFFFF, gif.data() + 6);
    qToLittleEndian<quint16>(0xFFFF, gif.data() + 8);
    const qsizetype descriptor = gif.indexOf(',');
    qToLittleEndian<quint16>(0xFFFF, gif.data() + descriptor + 5);
    qToLittleEndian<quint16>(0xFFFF, gif.data() + descriptor + 7);
    return gif;
}

// A small JPEG whose frame header claims 60000 x 60000 pixels.
QByteArray jpegDeclaringHuge()
{
    QByteArray jpeg = encoded(testImage(8, 8, 96), "JPEG");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    EXPECT_GE(frame, 0);
    qToBigEndian<quint16>(60000, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(60000, jpeg.data() + frame + 7);
    return jpeg;
}

// A placeable metafile one inch wide and half an inch high holding one
// rectangle.
QByteArray placeableMetafile()
{
    QByteArray wmf;
    auto word = [&wmf](quint16 value) {
        wmf.append(char(value & 0xFF));
        wmf.append(char(value >> 8));
    };
    const quint16 placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, 1440, 720, 1440, 0, 0};
    quint16 checksum = 0;
    for (quint16 value : placeable) {
        word(value);
        checksum ^= value;
    }
    word(checksum);
    const quint16 header[] = {1, 9, 0x0300, 9 + 7 + 3, 0, 0, 7, 0, 0};
    for (quint16 value : header)
        word(value);
    const quint16 rectangle[] = {7, 0, 0x041B, 700, 1400, 20, 20};
    for (quint16 value : rectangle)
        word(value);
    const quint16 end[] = {3, 0, 0};
    for (quint16 value : end)
        word(value);
    return wmf;
}

class ShowPicFileTest : public ::testing::Test
{
protected:
    QString writeFile(const QString &name, const QByteArray &contents)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        return path;
    }

    void show(const QString &path)
    {
        if (const std::optional<Refusal> refusal = ShowPicFile(path, picTemp, binSelPic))
            reasons.push_back(refusal->reason);
    }

    QTemporaryDir dir;
    Picture picTemp;
    bool binSelPic = false;
    std::vector<Refusal::Reason> reasons;
};

const std::vector<Refusal::Reason> unreadable{Refusal::Reason::Unreadable};

struct RefusedNameCase
{
    const char *name;
    const char *fileName;
};

class RefusedNameTest : public ShowPicFileTest, public ::testing::WithParamInterface<RefusedNameCase>
{
};

TEST_P(RefusedNameTest, AsksForAnotherFile)
{
    show(writeFile(QString::fromUtf8(GetParam().fileName), encoded(testImage(20, 10, 96), "JPEG")));
    EXPECT_TRUE(picTemp.isNull());
    EXPECT_FALSE(binSelPic);
    EXPECT_EQ(reasons, std::vector<Refusal::Reason>{Refusal::Reason::NotPictureFileName});
}

const RefusedNameCase refusedNames[] = {
    {"UpperCaseJpg", "photo.JPG"},
    {"Jpeg", "photo.jpeg"},
    {"Png", "photo.png"},
    {"MixedCaseGif", "photo.Gif"},
    {"NoExtension", "photo"},
};

INSTANTIATE_TEST_SUITE_P(Names, RefusedNameTest, ::testing::ValuesIn(refusedNames),
                         RowName());

TEST_F(ShowPicFileTest, EmptyOrOneCharacterPathIsPassedOver)
{
    show(QString());
    show(u"g"_s);
    EXPECT_TRUE(reasons.empty());
    EXPECT_FALSE(binSelPic);
}

struct LoadCase
{
    const char *name;
    const char *fileName;
    std::function<QByteArray()> contents;
    QSizeF expectedTwips;
};

class LoadTest : public ShowPicFileTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(LoadTest, LoadsAtTheFilesOwnSize)
{
    show(writeFile(QString::fromUtf8(GetParam().fileName), GetParam().contents()));
    EXPECT_TRUE(reasons.empty());
    EXPECT_TRUE(binSelPic);
    ASSERT_FALSE(picTemp.isNull());
    EXPECT_NEAR(picTemp.sizeTwips().width(), GetParam().expectedTwips.width(), 1.0);
    EXPECT_NEAR(picTemp.sizeTwips().height(), GetParam().expectedTwips.height(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LoadTest,
    ::testing::Values(
        LoadCase{"Jpg96Dpi", "photo.jpg", [] { return encoded(testImage(200, 100, 96), "JPEG"); }, QSizeF(3000, 1500)},
        LoadCase{"Jpg300Dpi", "photo.jpg", [] { return encoded(testImage(600, 300, 300), "JPEG"); },
                 QSizeF(2880, 1440)},
        LoadCase{"Bmp192Dpi", "chart.bmp", [] { return encoded(testImage(200, 100, 192), "BMP"); },
                 QSizeF(1500, 750)},
        LoadCase{"PlaceableMetafile", "drawing.wmf", [] { return placeableMetafile(); }, QSizeF(1440, 720)},
        LoadCase{"GifWithoutResolution", "dot.gif", [] { return onePixelGif; }, QSizeF(15, 15)},
        LoadCase{"ContentDecidesNotTheName", "really-a-bmp.jpg", [] { return encoded(testImage(40, 20, 96), "BMP"); },
                 QSizeF(600, 300)}),
    RowName());

struct FailedLoadCase
{
    const char *name;
    const char *fileName;
    std::function<QByteArray()> contents;
};

class FailedLoadTest : public ShowPicFileTest, public ::testing::WithParamInterface<FailedLoadCase>
{
};

TEST_P(FailedLoadTest, KeepsThePreviousPictureSilently)
{
    show(writeFile(u"first.gif"_s, onePixelGif));
    ASSERT_TRUE(binSelPic);
    const PictureContent *before = picTemp.content();
    show(writeFile(QString::fromUtf8(GetParam().fileName), GetParam().contents()));
    EXPECT_EQ(reasons, unreadable);
    EXPECT_TRUE(binSelPic);
    EXPECT_EQ(picTemp.content(), before);
}

TEST_P(FailedLoadTest, LeavesTheFlagClearWhenNothingWasLoaded)
{
    show(writeFile(QString::fromUtf8(GetParam().fileName), GetParam().contents()));
    EXPECT_EQ(reasons, unreadable);
    EXPECT_FALSE(binSelPic);
    EXPECT_TRUE(picTemp.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Files, FailedLoadTest,
    ::testing::Values(FailedLoadCase{"TextNamedGif", "notes.gif", [] { return QByteArray("HDR not a picture\r\n"); }},
                      FailedLoadCase{"EmptyBmp", "empty.bmp", [] { return QByteArray(); }},
                      FailedLoadCase{"TruncatedJpg", "cut.jpg",
                                     [] { return encoded(testImage(64, 64, 96), "JPEG").left(20); }},
                      FailedLoadCase{"TextNamedWmf", "drawing.wmf", [] { return QByteArray("not a metafile"); }},
                      FailedLoadCase{"SvgNamedGif", "vector.gif",
                                     [] {
                                         return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" "
                                                           "height=\"10\"><rect width=\"10\" height=\"10\"/></svg>");
                                     }},
                      FailedLoadCase{"BmpDeclaringHugeSize", "huge.bmp", [] { return bmpDeclaring(30000, 30000); }},
                      FailedLoadCase{"GifDeclaringHugeSize", "huge.gif", [] { return gifDeclaringHuge(); }},
                      FailedLoadCase{"JpgDeclaringHugeSize", "huge.jpg", [] { return jpegDeclaringHuge(); }}),
    RowName());

TEST_F(ShowPicFileTest, MissingFileIsPassedOverSilently)
{
    show(dir.filePath(u"missing.bmp"_s));
    EXPECT_EQ(reasons, unreadable);
    EXPECT_FALSE(binSelPic);
}

TEST_F(ShowPicFileTest, SecondPictureReplacesTheFirst)
{
    show(writeFile(u"first.gif"_s, onePixelGif));
    show(writeFile(u"second.bmp"_s, encoded(testImage(40, 20, 96), "BMP")));
    EXPECT_TRUE(binSelPic);
    EXPECT_EQ(picTemp.sizeTwips(), QSizeF(600, 300));
}

struct KeptSizeCase
{
    std::string name;
    QSize source;
    const char *format;
    QSize kept;
};

class PictureLoaderKeptSizeTest : public testing::TestWithParam<KeptSizeCase>
{
};

// A JPEG keeps the largest exact fraction of its pixels that still covers
// its frame on the page at 600 dpi (at most 1192 x 1334); other pictures are
// reduced to that size.
TEST_P(PictureLoaderKeptSizeTest, CoversThePrintedSizeAtTheLeastCost)
{
    const KeptSizeCase &row = GetParam();
    QByteArray bytes = encoded(testImage(row.source.width(), row.source.height(), 96), row.format);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->image.size(), row.kept);
    EXPECT_EQ(decoded->sizeTwips, QSizeF(row.source) * 15);
}

INSTANTIATE_TEST_SUITE_P(
    PictureLoader, PictureLoaderKeptSizeTest,
    testing::Values(KeptSizeCase{"landscapeJpegHalved", {4000, 3000}, "JPEG", {2000, 1500}},
                    KeptSizeCase{"portraitJpegHalved", {3000, 4000}, "JPEG", {1500, 2000}},
                    KeptSizeCase{"wideJpegQuartered", {6400, 1600}, "JPEG", {1600, 400}},
                    KeptSizeCase{"oddSizedJpegHalvedRoundingDown", {4001, 3001}, "JPEG", {2000, 1500}},
                    KeptSizeCase{"jpegWithinTwiceItsPrintedSizeWhole", {2000, 1500}, "JPEG", {2000, 1500}},
                    KeptSizeCase{"pngReducedToItsPrintedSize", {4000, 3000}, "PNG", {1192, 894}},
                    KeptSizeCase{"smallPngWhole", {1000, 700}, "PNG", {1000, 700}}),
    RowName());

// Decoded into memory of the loader's own: every pixel is the reader's.
TEST(PictureLoaderTest, LargePhotoHasTheDecodersPixels)
{
    QImage photo(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb(x * 255 / 3000, y * 255 / 2000, (x ^ y) & 0xff);
    }
    QByteArray jpeg = encoded(photo, "JPEG");
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    ASSERT_TRUE(decoded);
    buffer.seek(0);
    QImageReader reader(&buffer, "JPEG");
    reader.setScaledSize(QSize(1500, 1000));
    const QImage expected = reader.read();
    ASSERT_EQ(decoded->image.size(), expected.size());
    EXPECT_TRUE(decoded->image == expected);
}

TEST(PictureLoaderTest, LargeHighResolutionPhotoKeepsItsOwnSize)
{
    QByteArray jpeg = encoded(testImage(3000, 4000, 300), "JPEG");
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    ASSERT_TRUE(decoded);
    EXPECT_LE(decoded->image.height(), largestKeptPixels.height());
    EXPECT_NEAR(decoded->sizeTwips.width(), 14400, 1.0);
    EXPECT_NEAR(decoded->sizeTwips.height(), 19200, 1.0);
}

TEST(PictureLoaderTest, SmallPictureKeepsEveryPixel)
{
    QByteArray bmp = encoded(testImage(300, 200, 96), "BMP");
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->image.size(), QSize(300, 200));
}

// A GIF that declares 16 x 12 pixels but decodes to a 16 x 12300 screen: what
// is kept must stay within the bound all the same.
TEST(PictureLoaderTest, ReaderThatIgnoresTheScaledSizeIsStillBounded)
{
    QByteArray gif = QByteArray::fromBase64(
        "R0lGODlhEAAMMPEAAD5COD+TNDQln12PUyH5BAAAAAAALAAAAAAQAAwAAAIwlA0xI+CyDhKKuSvbjfvcDQyf94nh8wGasyzpC55wKYrBPTv3"
        "HuTJPdjldove8FYAADs=");
    QBuffer buffer(&gif);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    ASSERT_TRUE(decoded);
    EXPECT_LE(decoded->image.width(), largestKeptPixels.width());
    EXPECT_LE(decoded->image.height(), largestKeptPixels.height());
}

} // namespace
