#include "LargePhoto.h"

#include "surface/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>

QImage largeJpeg()
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
    return QImage::fromData(jpeg, "JPEG");
}

Picture pictureOf(const QImage &image)
{
    return Picture::fromImage(image, QSizeF(image.width() * 15.0, image.height() * 15.0));
}
