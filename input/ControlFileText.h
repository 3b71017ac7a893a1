// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of a control file: UTF-16 or UTF-32 when it starts with their
// byte-order mark, else UTF-8 (a leading byte-order mark is dropped), or
// Windows-1252 when the bytes are not valid UTF-8. Lines end in CR LF, LF or
// CR. Lines are handed out as bytes (UTF-8, or Windows-1252 for such a
// file): every character that separates fields is ASCII, so a line is cut in
// place and only the texts it keeps are decoded.
class ControlFileText
{
public:
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

    explicit ControlFileText(QByteArrayView data);

    Encoding encoding() const { return m_encoding; }

    // Calls handle with the bytes of every line in file order, without its
    // line end.
    template <typename Handle>
    void forEachLine(Handle &&handle) const
    {
        const char *const data = m_data.data();
        const qsizetype size = m_data.size();
        qsizetype start = 0;
        while (start < size) {
            qsizetype end = lineEnd(data, start, size);
            handle(QByteArrayView(data + start, end - start));
            if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
    }

    // The text of bytes of a line.
    QString decode(QByteArrayView bytes) const;
    // The same into text, whose room is kept for the next.
    void decodeInto(QString &text, QByteArrayView bytes) const;

    static bool isValidUtf8(QByteArrayView data);
    static QString fromWindows1252(QByteArrayView data);

private:
    // The first CR or LF at or after from, or size.
    static qsizetype lineEnd(const char *data, qsizetype from, qsizetype size);

    QByteArrayView m_data;
    Encoding m_encoding = Encoding::Utf8;
    // The whole text of a UTF-16 or UTF-32 file, as UTF-8.
    QByteArray m_utf8;
};
