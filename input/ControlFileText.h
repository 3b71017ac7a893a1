// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

// The text of a control file: UTF-16 or UTF-32 when it starts with their
// byte-order mark, else UTF-8 (a leading byte-order mark is dropped), or
// Windows-1252 when the bytes are not valid UTF-8. Lines end in CR LF, LF or
// CR.
class ControlFileText
{
public:
    enum class Encoding { Utf8, Windows1252, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

    explicit ControlFileText(QByteArrayView data);

    Encoding encoding() const { return m_encoding; }

    // Calls handle with every line in file order, without its line end.
    void forEachLine(const std::function<void(const QString &)> &handle) const;

    static bool isValidUtf8(QByteArrayView data);
    static QString fromWindows1252(QByteArrayView data);

private:
    void forEachWideLine(const std::function<void(const QString &)> &handle) const;

    QByteArrayView m_data;
    Encoding m_encoding = Encoding::Utf8;
    // The whole text, decoded, of a UTF-16 or UTF-32 file.
    QString m_wide;
};
