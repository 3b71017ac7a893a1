// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QtGlobal>

class QByteArray;
class QIODevice;

// The memory an image decoder will take for a file, judged from the file's
// headers before anything is decoded: JPEGs are decoded scaled by M/8 and
// then smoothed to the kept size, progressive and non-interleaved ones keep
// every coefficient of the full image besides; GIF and BMP readers decode the
// full image (the largest frame, run-length rows included) before it is
// scaled down to what is kept.
class DecodingCost
{
public:
    // The file starts at start on the device; the device's position is kept.
    static qint64 bytesFor(QIODevice &device, qint64 start, const QByteArray &format, QSize declared, QSize kept);

    static qint64 jpegBytes(QIODevice &device, qint64 start, QSize declared, QSize kept);
    static qint64 fullImageBytes(QSize size, QSize kept);
    // The largest of the declared size, the screen and the first frame: the
    // reader grows its canvas to whichever is larger.
    static QSize gifCanvas(QIODevice &device, qint64 start, QSize declared);
};
