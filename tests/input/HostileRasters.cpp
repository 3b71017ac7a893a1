// SPDX-License-Identifier: MIT
#include "HostileRasters.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

QByteArray jpegOf(const QImage &image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        return {};
    return bytes;
}

QByteArray jpegClaiming(bool progressive, quint16 width, quint16 height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(x * 16, y * 16, x ^ y));
    }
    QByteArray bytes = jpegOf(image, progressive);
    const qsizetype frame = bytes.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    if (frame < 0)
        return {};
    qToBigEndian<quint16>(height, bytes.data() + frame + 5);
    qToBigEndian<quint16>(width, bytes.data() + frame + 7);
    return bytes;
}

QByteArray gifScreen(quint16 width, quint16 height)
{
    QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff2c00000000010001000002024401003b");
    qToLittleEndian<quint16>(width, gif.data() + 6);
    qToLittleEndian<quint16>(height, gif.data() + 8);
    return gif;
}

QByteArray rleBmp(qint32 width, qint32 height, qsizetype padding)
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
    bmp += QByteArray(padding, '\0') + QByteArray::fromHex("0001");
    qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 2);
    return bmp;
}
