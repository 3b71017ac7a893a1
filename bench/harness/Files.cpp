// SPDX-License-Identifier: MIT
#include "Files.h"

#include <QFile>
#include <QTemporaryDir>

QByteArray controlFile(const LineMaker &line, qint64 lines, qint64 bytes)
{
    QByteArray file;
    for (int i = 0; i < lines && file.size() < bytes; ++i)
        file += line(i) + "\r\n";
    return file;
}

QString writtenFile(const QTemporaryDir &folder, const QString &name, const QByteArray &contents)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size()
                         && file.flush();
    return written ? path : QString();
}
