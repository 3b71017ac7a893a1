// SPDX-License-Identifier: MIT
#include "input/PictureLoader.h"

#include "input/DecodingCost.h"
#include "input/RegularFile.h"
#include "input/wmf/WmfPicture.h"
#include "platform/Twips.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <sys/mman.h>

namespace {

constexpr double defaultDpi = 96.0;
constexpr double metresPerInch = 0.0254;

bool isAcceptedFormat(const QByteArray &format)
{
    return format == "bmp" || format == "gif" || format == "jpeg" || format == "png";
}

// The file's resolution in whole dots per inch (files keep it as dots per
// metre or per inch), or 96 dpi where it states none (Qt then reports the
// same default as a fresh image) or states nonsense.
double dpiOf(int dotsPerMetre, int defaultDotsPerMetre)
{
    const double dpi = std::round(dotsPerMetre * metresPerInch);
    if (dotsPerMetre == defaultDotsPerMetre || dpi < 10 || dpi > 20000)
        return defaultDpi;
    return dpi;
}

QSize printedSize(QSize declared)
{
    if (declared.width() <= largestPrintedPixels.width() && declared.height() <= largestPrintedPixels.height())
        return declared;
    return declared.scaled(largestPrintedPixels, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool covers(QSize size, QSize wanted)
{
    return size.width() >= wanted.width() && size.height() >= wanted.height();
}

// The fraction is rounded down so that the reader asks libjpeg for exactly
// that scale; libjpeg rounds up, so a size that does not divide still gets
// a smoothing pass of a pixel. Beyond an eighth the reader reduces the
// image once to its printed size.
QSize jpegKeptSize(QSize declared)
{
    const QSize printed = printedSize(declared);
    for (const int denominator : {8, 4, 2}) {
        const QSize fraction(declared.width() / denominator, declared.height() / denominator);
        if (covers(fraction, printed))
            return covers(QSize(2 * printed.width(), 2 * printed.height()), fraction) ? fraction : printed;
    }
    return declared;
}

QSize keptSize(const QByteArray &format, QSize declared)
{
    return format == "jpeg" ? jpegKeptSize(declared) : printedSize(declared);
}

// An image for the JPEG reader to decode into (it does when the size and
// format match). A fresh image costs a page fault for every 4 KB on its first
// write, which makes up much of a photo's first load in a process; memory
// advised for huge pages takes a few. A null image below a huge page.
QImage blankImage(QSize size)
{
    constexpr size_t hugePage = 2 * 1024 * 1024;
    const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
    if (bytes < hugePage)
        return QImage();
    const size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void *data = std::aligned_alloc(hugePage, rounded);
    if (!data)
        return QImage();
    madvise(data, rounded, MADV_HUGEPAGE);
    return QImage(static_cast<uchar *>(data), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
                  [](void *memory) { std::free(memory); }, data);
}

} // namespace

std::optional<DecodedImage> decodeImage(QIODevice &device)
{
    const qint64 start = device.pos();
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    if (!isAcceptedFormat(reader.format()))
        return std::nullopt;
    const QSize declared = reader.size();
    if (declared.isEmpty() || qint64(declared.width()) * declared.height() > maxDeclaredPixels)
        return std::nullopt;
    const QSize kept = keptSize(reader.format(), declared);
    if (DecodingCost::bytesFor(device, start, reader.format(), declared, kept) > maxDecodingBytes)
        return std::nullopt;
    const bool jpeg = reader.format() == "jpeg";
    if (kept != declared && jpeg)
        reader.setScaledSize(kept);
    QImageReader::setAllocationLimit(int(maxDecodingBytes / (1024 * 1024)));
    QImage image = jpeg ? blankImage(kept) : QImage();
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    // Read before the image is reduced: a reduced image's resolution is
    // lowered with it.
    const QImage fresh(1, 1, QImage::Format_RGB32);
    const QSizeF sizeTwips(declared.width() * TwipsPerInch / dpiOf(image.dotsPerMeterX(), fresh.dotsPerMeterX()),
                           declared.height() * TwipsPerInch / dpiOf(image.dotsPerMeterY(), fresh.dotsPerMeterY()));
    // Other readers than JPEG's decode the whole image, and some decode a
    // frame of another size than the header declares; the bound holds for
    // what is kept either way.
    if (image.width() > kept.width() || image.height() > kept.height())
        image = image.scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return DecodedImage{image, sizeTwips};
}

std::optional<Picture> loadRasterPicture(QIODevice &device)
{
    const std::optional<DecodedImage> decoded = decodeImage(device);
    if (!decoded)
        return std::nullopt;
    return Picture::fromImage(decoded->image, decoded->sizeTwips);
}

std::optional<Picture> loadMetafilePicture(const QByteArray &data)
{
    std::shared_ptr<const WmfPicture> metafile = WmfPicture::fromData(data);
    if (!metafile)
        return std::nullopt;
    return Picture(std::move(metafile));
}

std::optional<Picture> loadPicture(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    if (!path.endsWith(u"wmf"))
        return loadRasterPicture(file);
    if (file.size() > maxMetafileBytes)
        return std::nullopt;
    const QByteArray data = file.read(maxMetafileBytes + 1);
    if (data.size() > maxMetafileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return loadMetafilePicture(data);
}
