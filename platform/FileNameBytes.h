// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names as the system gives them: UTF-8, but any bytes at all. A byte
// that is not part of valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF,
// which turns back into that byte, so a name reaches the file system exactly
// as it was given.
class FileNameBytes
{
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(const QString &name);
};
