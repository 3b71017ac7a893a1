// SPDX-License-Identifier: MIT
#include "input/ControlFileText.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t windows1252Char(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? windows1252High[byte - 0x80] : char16_t(byte);
}

// Plain ASCII, eight bytes at a time: most control files are nothing else.
qsizetype asciiPrefix(const unsigned char *bytes, qsizetype size)
{
    constexpr quint64 highBits = 0x8080808080808080;
    qsizetype i = 0;
    for (quint64 word = 0; i + 8 <= size; i += 8) {
        std::memcpy(&word, bytes + i, 8);
        if (word & highBits)
            break;
    }
    return i;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The encoding a byte-order mark names; UTF-32 LE first, as its mark starts
// with UTF-16 LE's.
std::optional<std::pair<ControlFileText::Encoding, QStringConverter::Encoding>> wideEncoding(QByteArrayView data)
{
    using Encoding = ControlFileText::Encoding;
    if (data.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        return std::pair(Encoding::Utf32LE, QStringConverter::Utf32LE);
    if (data.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return std::pair(Encoding::Utf32BE, QStringConverter::Utf32BE);
    if (data.startsWith("\xFF\xFE"))
        return std::pair(Encoding::Utf16LE, QStringConverter::Utf16LE);
    if (data.startsWith("\xFE\xFF"))
        return std::pair(Encoding::Utf16BE, QStringConverter::Utf16BE);
    return std::nullopt;
}

} // namespace

ControlFileText::ControlFileText(QByteArrayView data)
    : m_data(data)
{
    if (const auto wide = wideEncoding(data)) {
        m_encoding = wide->first;
        QString text = QStringDecoder(wide->second, QStringConverter::Flag::Stateless)(data);
        if (text.startsWith(QChar::ByteOrderMark))
            text.remove(0, 1);
        m_utf8 = std::move(text).toUtf8();
        m_data = m_utf8;
        return;
    }
    m_encoding = isValidUtf8(data) ? Encoding::Utf8 : Encoding::Windows1252;
    if (m_encoding == Encoding::Utf8 && m_data.startsWith("\xEF\xBB\xBF"))
        m_data = m_data.sliced(3);
}

qsizetype ControlFileText::lineEnd(const char *data, qsizetype from, qsizetype size)
{
    // Words of eight bytes none of which is below 14 hold no CR (13) or LF
    // (10) and are passed over whole.
    constexpr quint64 ones = 0x0101010101010101;
    constexpr quint64 highBits = 0x8080808080808080;
    qsizetype i = from;
    while (i < size) {
        if (i + 8 <= size) {
            quint64 word = 0;
            std::memcpy(&word, data + i, 8);
            if (((word - ones * 14) & ~word & highBits) == 0) {
                i += 8;
                continue;
            }
        }
        for (const qsizetype stop = std::min(size, i + 8); i < stop; ++i) {
            if (data[i] == '\r' || data[i] == '\n')
                return i;
        }
    }
    return size;
}

QString ControlFileText::decode(QByteArrayView bytes) const
{
    QString text;
    decodeInto(text, bytes);
    return text;
}

void ControlFileText::decodeInto(QString &text, QByteArrayView bytes) const
{
    if (m_encoding == Encoding::Windows1252) {
        text.resize(bytes.size());
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        for (const char c : bytes)
            *out++ = windows1252Char(static_cast<unsigned char>(c));
        return;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    text.resize(utf8.requiredSpace(bytes.size()));
    const QChar *end = utf8.appendToBuffer(text.data(), bytes);
    text.truncate(end - text.constData());
}

bool ControlFileText::isValidUtf8(QByteArrayView data)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.data());
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            i += std::max<qsizetype>(1, asciiPrefix(bytes + i, size - i));
            continue;
        }
        int length = 0;
        char32_t minimum = 0;
        char32_t code = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        for (int k = 1; k < length; ++k) {
            if (!isContinuation(bytes[i + k]))
                return false;
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

QString ControlFileText::fromWindows1252(QByteArrayView data)
{
    QString text(data.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char c : data)
        *out++ = windows1252Char(static_cast<unsigned char>(c));
    return text;
}
