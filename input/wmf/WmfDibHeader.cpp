// SPDX-License-Identifier: MIT
#include "input/wmf/WmfDibHeader.h"

#include "input/wmf/WmfBytes.h"

namespace {

constexpr qint64 CoreHeaderSize = 12;
constexpr qint64 InfoHeaderSize = 40;
constexpr quint16 PaletteIndices = 1;

bool knownBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void readCore(QByteArrayView dib, WmfDibHeader &header)
{
    header.width = wmfWordAt(dib, 4);
    header.height = wmfWordAt(dib, 6);
    header.bitCount = wmfWordAt(dib, 10);
    header.colorEntrySize = 3;
    header.colorTableOffset = CoreHeaderSize;
    header.colorCount = header.bitCount <= 8 ? (qint64(1) << header.bitCount) : 0;
}

bool readInfo(QByteArrayView dib, qint64 size, WmfDibHeader &header)
{
    header.width = qint32(wmfDwordAt(dib, 4));
    const qint64 height = qint32(wmfDwordAt(dib, 8));
    header.topDown = height < 0;
    header.height = height < 0 ? -height : height;
    header.bitCount = wmfWordAt(dib, 14);
    header.compression = wmfDwordAt(dib, 16);
    const qint64 used = wmfDwordAt(dib, 32);
    if (header.bitCount <= 8)
        header.colorCount = used == 0 ? (qint64(1) << header.bitCount) : used;
    else
        header.colorCount = used;
    header.colorTableOffset = size;
    if (header.compression == WmfDibHeader::Bitfields) {
        // The masks follow a plain info header and sit inside the longer ones.
        for (size_t i = 0; i < 3; ++i)
            header.masks[i] = wmfDwordAt(dib, InfoHeaderSize + 4 * qint64(i));
        if (size == InfoHeaderSize)
            header.colorTableOffset += 12;
    }
    if (header.compression != WmfDibHeader::Rgb && header.compression != WmfDibHeader::Bitfields) {
        header.bitsSize = wmfDwordAt(dib, 20);
        return false;
    }
    return true;
}

} // namespace

std::optional<WmfDibHeader> WmfDibHeader::read(QByteArrayView dib, quint16 colorUsage)
{
    const qint64 size = wmfDwordAt(dib, 0);
    if (size > dib.size())
        return std::nullopt;
    WmfDibHeader header;
    bool uncompressed = true;
    if (size == CoreHeaderSize)
        readCore(dib, header);
    else if (size >= InfoHeaderSize && size <= 124)
        uncompressed = readInfo(dib, size, header);
    else
        return std::nullopt;
    if (colorUsage == PaletteIndices)
        header.colorEntrySize = 2;
    if (header.width <= 0 || header.height <= 0 || !knownBitCount(header.bitCount) || header.colorCount > 1 << 16)
        return std::nullopt;
    header.bitsOffset = header.colorTableOffset + header.colorCount * header.colorEntrySize;
    header.stride = (header.width * header.bitCount + 31) / 32 * 4;
    if (uncompressed) {
        const qint64 available = qMax<qint64>(0, dib.size() - header.bitsOffset);
        header.bitsSize = header.height > available / header.stride ? available + 1 : header.stride * header.height;
    }
    return header;
}
