// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>

class EventSource;
class QTimeZone;

// What reading calendar files gives: the events to attach to the page, or,
// when there are none, why the files were refused.
struct CalendarFileRead
{
    std::shared_ptr<const EventSource> events;
    QString problem;
};

// Whether data is an iCalendar or a vCard file, by its content: its first
// line (after a byte-order mark and blank lines) is BEGIN:VCALENDAR or
// BEGIN:VCARD, in any case.
bool isCalendarData(QByteArrayView data);

// Whether path is a regular file that isCalendarData; only its beginning is
// read.
bool isCalendarFile(const QString &path);

// Reads an iCalendar file or an address book, decided by content; UTF-16
// files (with a byte-order mark) are read too. Times are shown in local.
CalendarFileRead readCalendarData(QByteArrayView data, const QTimeZone &local);

// Reads the file at path, as readCalendarData. A file that cannot be read,
// or is larger than 16 MB, is refused.
CalendarFileRead readCalendarFile(const QString &path, const QTimeZone &local);

// Reads the files at paths into one event source; a refused file refuses the
// whole set, and the problem names that file.
CalendarFileRead readCalendarFiles(const QStringList &paths, const QTimeZone &local);
