// SPDX-License-Identifier: MIT
#include "input/FileKind.h"

#include "input/CalendarFile.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

FileKind fileKindOf(const QString &path)
{
    if (isCalendarFile(path))
        return FileKind::Calendar;
    static const QStringList pictures = {QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("wmf"),
                                         QStringLiteral("jpg"), QStringLiteral("jpeg")};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (pictures.contains(suffix))
        return FileKind::Picture;
    if (suffix == u"txt")
        return FileKind::ControlFile;
    return FileKind::Other;
}
