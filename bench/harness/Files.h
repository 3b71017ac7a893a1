// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QTemporaryDir;

// Just within the largest control file the program reads.
constexpr qint64 LargestControlFile = 64 * 1024 * 1024 - 128;

using LineMaker = std::function<QByteArray(int)>;

// A control file of the lines line(0), line(1), ... each ended by CR LF,
// until there are lines of them or the file has reached bytes.
QByteArray controlFile(const LineMaker &line, qint64 lines, qint64 bytes = LargestControlFile);

// Writes contents as the file name in folder; its path, empty if it failed.
QString writtenFile(const QTemporaryDir &folder, const QString &name, const QByteArray &contents);
