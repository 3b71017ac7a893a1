// SPDX-License-Identifier: MIT
#include "input/DecodingCost.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>
#include <QtMath>

#include <optional>

namespace {

// Headers are walked this far at most; what lies beyond counts as unknown.
constexpr qint64 maxHeaderBytes = 4 * 1024 * 1024;
constexpr qint64 bytesPerPixel = 4;
// A full-size decode holds the image and the copy it is scaled into.
constexpr qint64 fullDecodeBytesPerPixel = 8;
// libjpeg keeps a 16-bit coefficient for every sample of a buffered image.
constexpr qint64 coefficientBytes = 2;

qint64 area(QSize size)
{
    return qint64(qMax(size.width(), 0)) * qMax(size.height(), 0);
}

// Reads from the device and puts its position back when done.
class HeaderWalk
{
public:
    HeaderWalk(QIODevice &device, qint64 start)
        : m_device(device)
        , m_kept(device.pos())
        , m_start(start)
        , m_position(start)
    {
    }
    ~HeaderWalk() { m_device.seek(m_kept); }

    bool read(char *out, qint64 size)
    {
        if (m_position + size - m_start > maxHeaderBytes || !m_device.seek(m_position))
            return false;
        if (m_device.read(out, size) != size)
            return false;
        m_position += size;
        return true;
    }
    bool skip(qint64 size)
    {
        m_position += size;
        return m_position - m_start <= maxHeaderBytes;
    }
    int byte()
    {
        char c = 0;
        return read(&c, 1) ? int(uchar(c)) : -1;
    }
    int bigEndianWord()
    {
        uchar bytes[2] = {};
        return read(reinterpret_cast<char *>(bytes), 2) ? qFromBigEndian<quint16>(bytes) : -1;
    }
    int littleEndianWord()
    {
        uchar bytes[2] = {};
        return read(reinterpret_cast<char *>(bytes), 2) ? qFromLittleEndian<quint16>(bytes) : -1;
    }

private:
    QIODevice &m_device;
    qint64 m_kept;
    qint64 m_start;
    qint64 m_position;
};

struct JpegLayout
{
    int components = 0;
    bool progressive = false;
    int firstScanComponents = 0;
};

bool isFrameMarker(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressiveFrame(int marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// Walks the segments up to the first scan. Nothing is known when they end
// early or run past the walk's limit.
std::optional<JpegLayout> jpegLayout(QIODevice &device, qint64 start)
{
    HeaderWalk walk(device, start);
    if (walk.byte() != 0xFF || walk.byte() != 0xD8)
        return std::nullopt;
    JpegLayout layout;
    for (;;) {
        int marker = walk.byte();
        if (marker != 0xFF)
            return std::nullopt;
        while (marker == 0xFF)
            marker = walk.byte();
        if (marker < 0 || marker == 0xD9)
            return std::nullopt;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const int length = walk.bigEndianWord();
        if (length < 2)
            return std::nullopt;
        if (isFrameMarker(marker)) {
            layout.progressive = isProgressiveFrame(marker);
            if (!walk.skip(5))
                return std::nullopt;
            layout.components = walk.byte();
            if (!walk.skip(length - 2 - 6))
                return std::nullopt;
        } else if (marker == 0xDA) {
            layout.firstScanComponents = walk.byte();
            return layout.components > 0 ? std::optional(layout) : std::nullopt;
        } else if (!walk.skip(length - 2)) {
            return std::nullopt;
        }
    }
}

// The reader has libjpeg decode at the smallest scale of M/8 that covers the
// kept size (rounding up), then smooths that down to the kept size when the
// two differ.
QSize jpegDecodedSize(QSize declared, QSize kept)
{
    const double factor = qMin(double(declared.width()) / qMax(kept.width(), 1),
                               double(declared.height()) / qMax(kept.height(), 1));
    const int eighths = qBound(1, qCeil(8 / factor), 8);
    return QSize((declared.width() * eighths + 7) / 8, (declared.height() * eighths + 7) / 8);
}

} // namespace

qint64 DecodingCost::bytesFor(QIODevice &device, qint64 start, const QByteArray &format, QSize declared,
                              QSize kept)
{
    if (format == "jpeg")
        return jpegBytes(device, start, declared, kept);
    if (format == "gif")
        return fullImageBytes(gifCanvas(device, start, declared), kept);
    return fullImageBytes(declared, kept);
}

qint64 DecodingCost::jpegBytes(QIODevice &device, qint64 start, QSize declared, QSize kept)
{
    const std::optional<JpegLayout> layout = jpegLayout(device, start);
    if (!layout)
        return fullImageBytes(declared, kept);
    const QSize decoded = jpegDecodedSize(declared, kept);
    qint64 bytes = area(decoded) * bytesPerPixel;
    if (decoded != kept)
        bytes += area(kept) * bytesPerPixel;
    if (layout->progressive || layout->firstScanComponents < layout->components) {
        const qint64 blocks = qint64((declared.width() + 7) / 8) * ((declared.height() + 7) / 8);
        bytes += blocks * 64 * layout->components * coefficientBytes;
    }
    return bytes;
}

qint64 DecodingCost::fullImageBytes(QSize size, QSize kept)
{
    return area(size) * fullDecodeBytesPerPixel + area(kept) * bytesPerPixel;
}

QSize DecodingCost::gifCanvas(QIODevice &device, qint64 start, QSize declared)
{
    HeaderWalk walk(device, start);
    char header[13];
    if (!walk.read(header, sizeof header))
        return declared;
    const QSize screen(qFromLittleEndian<quint16>(header + 6), qFromLittleEndian<quint16>(header + 8));
    declared = declared.expandedTo(screen);
    const int flags = uchar(header[10]);
    if ((flags & 0x80) && !walk.skip(3 << ((flags & 7) + 1)))
        return declared;
    for (;;) {
        const int block = walk.byte();
        if (block == ',') {
            const int left = walk.littleEndianWord();
            const int top = walk.littleEndianWord();
            const int width = walk.littleEndianWord();
            const int height = walk.littleEndianWord();
            if (height < 0)
                return declared;
            return declared.expandedTo(QSize(left + width, top + height));
        }
        if (block != '!' || walk.byte() < 0)
            return declared;
        for (int size = walk.byte(); size > 0; size = walk.byte()) {
            if (!walk.skip(size))
                return declared;
        }
    }
}
