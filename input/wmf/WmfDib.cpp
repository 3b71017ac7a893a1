// SPDX-License-Identifier: MIT
#include "input/wmf/WmfDib.h"

#include "input/wmf/WmfBytes.h"
#include "input/wmf/WmfDibHeader.h"
#include "input/wmf/WmfRleDecoder.h"

#include <QImage>

#include <bit>
#include <vector>

namespace {

constexpr quint16 PaletteIndices = 1;
constexpr quint32 Rle8 = 1;
constexpr quint32 Rle4 = 2;
constexpr qint64 MaxRlePixelsPerByte = 1024;

struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    quint32 max = 0;
};

Channel channelOf(quint32 mask)
{
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    return {mask, shift, mask >> shift};
}

int scaled(quint32 pixel, const Channel &channel)
{
    if (channel.max == 0)
        return 0;
    return int(quint64((pixel & channel.mask) >> channel.shift) * 255 / channel.max);
}

std::vector<QRgb> colorTable(QByteArrayView dib, const WmfDibHeader &header)
{
    std::vector<QRgb> colors(size_t(1) << qMin(header.bitCount, 8), qRgb(0, 0, 0));
    const auto *table = reinterpret_cast<const uchar *>(dib.data()) + header.colorTableOffset;
    const qint64 count = qMin<qint64>(header.colorCount, qint64(colors.size()));
    for (qint64 i = 0; i < count; ++i) {
        const uchar *entry = table + i * header.colorEntrySize;
        colors[size_t(i)] = qRgb(entry[2], entry[1], entry[0]);
    }
    return colors;
}

class RowDecoder
{
public:
    RowDecoder(QByteArrayView dib, const WmfDibHeader &header)
        : m_header(header)
    {
        if (header.bitCount <= 8)
            m_colors = colorTable(dib, header);
        std::array<quint32, 3> masks = header.masks;
        if (header.compression != WmfDibHeader::Bitfields) {
            if (header.bitCount == 16)
                masks = {0x7C00, 0x03E0, 0x001F};
            else
                masks = {0xFF0000, 0x00FF00, 0x0000FF};
        }
        for (int i = 0; i < 3; ++i)
            m_channels[size_t(i)] = channelOf(masks[size_t(i)]);
    }

    void decode(const uchar *row, QRgb *out) const
    {
        for (qint64 x = 0; x < m_header.width; ++x)
            out[x] = pixel(row, x);
    }

private:
    QRgb pixel(const uchar *row, qint64 x) const
    {
        switch (m_header.bitCount) {
        case 1:
            return m_colors[(row[x / 8] >> (7 - x % 8)) & 1];
        case 4:
            return m_colors[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
        case 8:
            return m_colors[row[x]];
        case 16:
            return masked(qFromLittleEndian<quint16>(row + 2 * x));
        case 24:
            return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        default:
            return masked(qFromLittleEndian<quint32>(row + 4 * x));
        }
    }

    QRgb masked(quint32 value) const
    {
        return qRgb(scaled(value, m_channels[0]), scaled(value, m_channels[1]), scaled(value, m_channels[2]));
    }

    const WmfDibHeader &m_header;
    std::vector<QRgb> m_colors;
    std::array<Channel, 3> m_channels;
};

QImage decodeRle(QByteArrayView dib, const WmfDibHeader &header, QImage image)
{
    // Every byte indexes the table directly.
    std::vector<QRgb> colors = colorTable(dib, header);
    colors.resize(256, qRgb(0, 0, 0));
    const WmfRleDecoder decoder(int(header.width), int(header.height), header.bitCount);
    const std::vector<quint8> indices = decoder.decode(dib.sliced(header.bitsOffset, header.bitsSize));
    for (qint64 y = 0; y < header.height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(header.height - 1 - y)));
        const quint8 *row = indices.data() + y * header.width;
        for (qint64 x = 0; x < header.width; ++x)
            line[x] = colors[row[x]];
    }
    return image;
}

} // namespace

bool WmfDib::fits(QByteArrayView dib, quint16 colorUsage)
{
    if (dib.size() < 4)
        return false;
    const qint64 headerSize = wmfDwordAt(dib, 0);
    if (headerSize > dib.size())
        return false;
    const std::optional<WmfDibHeader> header = WmfDibHeader::read(dib, colorUsage);
    if (!header)
        return true;
    return header->bitsOffset <= dib.size() && header->bitsSize <= dib.size() - header->bitsOffset;
}

QImage WmfDib::decode(QByteArrayView dib, quint16 colorUsage)
{
    const std::optional<WmfDibHeader> header = WmfDibHeader::read(dib, colorUsage);
    if (!header || colorUsage == PaletteIndices || !fits(dib, colorUsage))
        return {};
    if (header->width > MaxPixels / header->height)
        return {};
    const bool rle = (header->compression == Rle8 && header->bitCount == 8)
                     || (header->compression == Rle4 && header->bitCount == 4);
    // Runs let a few bytes claim a large picture; a real one needs more.
    if (rle && header->width * header->height > MaxRlePixelsPerByte * qMax<qint64>(header->bitsSize, 64))
        return {};
    if (!rle && header->compression != WmfDibHeader::Rgb && header->compression != WmfDibHeader::Bitfields)
        return {};
    QImage image(int(header->width), int(header->height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (rle)
        return decodeRle(dib, *header, std::move(image));
    const RowDecoder decoder(dib, *header);
    const auto *bits = reinterpret_cast<const uchar *>(dib.data()) + header->bitsOffset;
    for (qint64 y = 0; y < header->height; ++y) {
        const qint64 row = header->topDown ? y : header->height - 1 - y;
        decoder.decode(bits + row * header->stride, reinterpret_cast<QRgb *>(image.scanLine(int(y))));
    }
    return image;
}
