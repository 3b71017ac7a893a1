// SPDX-License-Identifier: MIT
#pragma once

#include "page/Picture.h"
#include "page/PictureFrame.h"

#include <QImage>
#include <QSize>
#include <QtGlobal>
#include <optional>

class QByteArray;
class QIODevice;
class QString;

// The most memory a decoder may take for one picture, as judged from the
// file's headers before decoding; the most pixels decoded (each is read,
// even when kept scaled down); and the largest metafile read. A picture
// beyond any of them is a failed load.
inline constexpr qint64 maxDecodingBytes = 128 * 1024 * 1024;
inline constexpr qint64 maxDeclaredPixels = 64 * 1024 * 1024;
inline constexpr qint64 maxMetafileBytes = 64 * 1024 * 1024;

// The most pixels a picture is printed with.
inline constexpr QSize largestPrintedPixels = PictureFrame::largestPrintedDots();

// Pixels kept of a large picture, at most twice its printed size each way:
// a JPEG is decoded at the largest exact fraction of its size (1/2, 1/4 or
// 1/8) that still covers its printed size, so that neither the decoder nor
// the print needs a smoothing pass; any other picture is reduced once to
// its printed size.
inline constexpr QSize largestKeptPixels(2 * largestPrintedPixels.width(), 2 * largestPrintedPixels.height());

// Loads the picture at path: a metafile when the path ends in "wmf", else a
// bmp, gif, jpeg or png image recognised by its content. Nothing when the
// file is missing, damaged, of another kind or too large to decode. The
// picture's sizeTwips is its own size (pixels at the file's resolution,
// 96 dpi when it has none), also when fewer pixels are kept.
std::optional<Picture> loadPicture(const QString &path);

// An image as decoded: the pixels kept and the picture's own size in twips.
struct DecodedImage
{
    QImage image;
    QSizeF sizeTwips;
};

std::optional<DecodedImage> decodeImage(QIODevice &device);
std::optional<Picture> loadRasterPicture(QIODevice &device);
std::optional<Picture> loadMetafilePicture(const QByteArray &data);
