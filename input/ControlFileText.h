#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

// The text of a control file: UTF-8 (a leading byte-order mark is dropped),
// or Windows-1252 when the bytes are not valid UTF-8. Lines end in CR LF, LF
// or CR.
class ControlFileText
{
public:
    explicit ControlFileText(QByteArrayView data);

    bool isUtf8() const { return m_utf8; }

    // Calls handle with every line in file order, without its line end.
    void forEachLine(const std::function<void(const QString &)> &handle) const;

    static bool isValidUtf8(QByteArrayView data);
    static QString fromWindows1252(QByteArrayView data);

private:
    QByteArrayView m_data;
    bool m_utf8 = true;
};
