// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <vector>

// Expands run-length encoded bitmap rows (4 or 8 bits a pixel) into one
// palette index a pixel, bottom row first. Runs and moves past the bitmap's
// edges are dropped, so the output never outgrows width x height.
class WmfRleDecoder
{
public:
    WmfRleDecoder(int width, int height, int bitCount);

    std::vector<quint8> decode(QByteArrayView data) const;

private:
    // Returns the bytes the absolute run took, padded to a whole word.
    qsizetype copyAbsolute(QByteArrayView data, qsizetype at, int count, qint64 &x, qint64 y,
                           std::vector<quint8> &pixels) const;
    void put(std::vector<quint8> &pixels, qint64 x, qint64 y, quint8 index) const;

    qint64 m_width = 0;
    qint64 m_height = 0;
    bool m_nibbles = false;
};
