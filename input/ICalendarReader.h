// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"

#include <QByteArrayView>

// Reads the events of an iCalendar file: all-day and timed events, their
// length (DTEND or DURATION), RRULE, RDATE and EXDATE, moved and cancelled
// instances, TZID resolved through the file's VTIMEZONE (else the system's
// zone of that name). Events are read line by line here; libical reads the
// calendars and their zones, and values such as rules and durations.
// Cancelled events are left out. A yearly event that is a birthday
// (CATEGORIES holds BIRTHDAY, or a birthday calendar's own mark) becomes a
// birthday. Raises CalendarFileError for a file that is no calendar and a
// time zone whose changes do not repeat yearly or that has more than 500 of
// them. An event without a date, with a rule or date list that cannot be
// read, a count that cannot be honoured, or a line longer than 64 KB is left
// out; so is such a line outside events.
class ICalendarReader
{
public:
    static CalendarContents read(QByteArrayView data);
};
