// SPDX-License-Identifier: MIT
#include "LargePhoto.h"

#include "input/PictureLoader.h"
#include "page/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <stdexcept>

QByteArray largeJpegFile()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(2003);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(4));
            line[x] = qRgb((x * 255 / 4000 + noise) & 0xff, (y * 255 / 3000 + noise) & 0xff, (128 + noise) & 0xff);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return jpeg;
}

Picture loadedPicture(const QByteArray &file)
{
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::optional<Picture> picture = loadRasterPicture(buffer);
    if (!picture)
        throw std::runtime_error("the large photo does not load");
    return *picture;
}

QImage fullSizeImage(const QByteArray &file)
{
    return QImage::fromData(file, "JPEG");
}

Picture pictureOf(const QImage &image)
{
    return Picture::fromImage(image, QSizeF(image.width() * 15.0, image.height() * 15.0));
}
