// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class QImage;

// A device-independent bitmap as stored in a metafile record: an info or
// core header, an optional colour table and the pixel rows.
class WmfDib
{
public:
    // Decoded pictures are capped so a small file cannot ask for gigabytes.
    static constexpr qint64 MaxPixels = qint64(1) << 24;

    // False when the header, colour table or pixel rows claim more bytes than
    // the record holds. A header that is merely unsupported still fits.
    static bool fits(QByteArrayView dib, quint16 colorUsage);
    // The bitmap top row first, or a null image when it is unsupported or
    // too large.
    static QImage decode(QByteArrayView dib, quint16 colorUsage);
};
