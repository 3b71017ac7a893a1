// SPDX-License-Identifier: MIT
#include "CalendarNotes.h"

#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include <QFile>
#include <gtest/gtest.h>

QByteArray calendarData(const QString &name)
{
    QFile file(QStringLiteral(CALENDAR_DATA_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

FilledDays filledDays(const DayNotes &strNotes)
{
    FilledDays days;
    for (size_t i = 0; i < strNotes.size(); ++i) {
        if (!strNotes[i].isEmpty())
            days[int(i) + 1] = strNotes[i].toStdString();
    }
    return days;
}

FilledDays notesOfMonth(const QByteArray &data, int year, int month, const QTimeZone &zone, const QLocale &locale)
{
    const CalendarFileRead read = readCalendarData(data, zone);
    EXPECT_TRUE(read.events);
    DayNotes strNotes;
    if (read.events)
        read.events->addNotes(strNotes, year, month, locale);
    return filledDays(strNotes);
}
