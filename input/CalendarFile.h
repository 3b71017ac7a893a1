// SPDX-License-Identifier: MIT
#pragma once

#include "input/LeftOutEntries.h"
#include "input/Refusal.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class EventSource;
class QTimeZone;

// What reading calendar files gives: the events to attach to the page, and
// for each file some of whose entries cannot be read, how many were left
// out; or, when there are no events, why the files were refused.
struct CalendarFileRead
{
    std::shared_ptr<const EventSource> events;
    std::vector<LeftOutEntries> leftOut;
    std::optional<Refusal> refusal;
};

// Whether data is an iCalendar or a vCard file, by its content: its first
// line (after a byte-order mark and blank lines) is BEGIN:VCALENDAR or
// BEGIN:VCARD, in any case.
bool isCalendarData(QByteArrayView data);

// Whether path is a regular file that isCalendarData; only its beginning is
// read.
bool isCalendarFile(const QString &path);

// Reads an iCalendar file or an address book, decided by content; UTF-8 and
// UTF-16 files with a byte-order mark are read too. An entry that cannot be
// read is left out; a file none of whose entries can be read is refused for
// the first of them. Times are shown in local.
CalendarFileRead readCalendarData(QByteArrayView data, const QTimeZone &local);

// Reads the file at path, as readCalendarData. A file that cannot be read,
// or is larger than 16 MB, is refused.
CalendarFileRead readCalendarFile(const QString &path, const QTimeZone &local);

// Reads the files at paths into one event source; a refused file refuses the
// whole set, and the problem names that file.
CalendarFileRead readCalendarFiles(const QStringList &paths, const QTimeZone &local);
