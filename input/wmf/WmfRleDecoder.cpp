// SPDX-License-Identifier: MIT
#include "input/wmf/WmfRleDecoder.h"

namespace {

enum Escape : quint8 { EndOfLine = 0, EndOfBitmap = 1, Delta = 2 };

} // namespace

WmfRleDecoder::WmfRleDecoder(int width, int height, int bitCount)
    : m_width(width)
    , m_height(height)
    , m_nibbles(bitCount == 4)
{
}

void WmfRleDecoder::put(std::vector<quint8> &pixels, qint64 x, qint64 y, quint8 index) const
{
    if (x < m_width && y < m_height)
        pixels[size_t(y * m_width + x)] = index;
}

qsizetype WmfRleDecoder::copyAbsolute(QByteArrayView data, qsizetype at, int count, qint64 &x, qint64 y,
                                      std::vector<quint8> &pixels) const
{
    const qsizetype bytes = m_nibbles ? (count + 1) / 2 : count;
    for (int i = 0; i < count; ++i, ++x) {
        const qsizetype byte = at + (m_nibbles ? i / 2 : i);
        if (byte >= data.size())
            break;
        const auto value = quint8(data[byte]);
        put(pixels, x, y, m_nibbles ? (i % 2 ? value & 0x0F : value >> 4) : value);
    }
    return bytes + bytes % 2;
}

std::vector<quint8> WmfRleDecoder::decode(QByteArrayView data) const
{
    std::vector<quint8> pixels(size_t(m_width * m_height), 0);
    qint64 x = 0;
    qint64 y = 0;
    qsizetype at = 0;
    while (at + 1 < data.size() && y < m_height) {
        const auto count = quint8(data[at]);
        const auto value = quint8(data[at + 1]);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < m_width; ++i, ++x)
                put(pixels, x, y, m_nibbles ? (i % 2 ? value & 0x0F : value >> 4) : value);
        } else if (value == EndOfLine) {
            x = 0;
            ++y;
        } else if (value == EndOfBitmap) {
            break;
        } else if (value == Delta) {
            if (at + 1 >= data.size())
                break;
            x += quint8(data[at]);
            y += quint8(data[at + 1]);
            at += 2;
        } else {
            at += copyAbsolute(data, at, value, x, y, pixels);
        }
    }
    return pixels;
}
