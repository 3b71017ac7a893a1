// SPDX-License-Identifier: MIT
#pragma once

class QFile;
class QString;

// Opens path for reading only when it names a regular file, following
// links. Pipes, sockets and devices are refused at once: the file is opened
// without blocking and checked again once open, so an entry swapped for a
// pipe in between cannot hang the caller.
bool openRegularFile(QFile &file, const QString &path);
