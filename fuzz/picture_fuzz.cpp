// SPDX-License-Identifier: MIT
#include "input/PictureLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Image plugins are found through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

// Any bytes: a picture within the bounds, or nothing; never a crash, a hang
// or an allocation past the bound.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DecodedImage> decoded = decodeImage(buffer);
    if (decoded) {
        const QSize kept = decoded->image.size();
        if (kept.width() > largestKeptPixels.width() || kept.height() > largestKeptPixels.height())
            std::abort();
        if (!(decoded->sizeTwips.width() > 0) || !(decoded->sizeTwips.height() > 0))
            std::abort();
    }
    return 0;
}
