// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Calendar programs write no line longer than this once unfolded; libical's
// parser takes time quadratic in a line's length.
constexpr qsizetype maxCalendarLineBytes = 64 * 1024;

// An iCalendar text (LF or CR LF line ends) cut into its events and the
// rest, which libical reads: the calendars and their time zones. Lines longer
// than maxCalendarLineBytes are dropped: an event holding one is left out
// whole, any other such line alone, each left out in contents. A time zone of
// more than 500 observances and dates raises CalendarFileError.
struct ICalendarParts
{
    // One complete event, BEGIN to END, as the text has it.
    struct Event
    {
        // Which calendar of the text holds it, counted from 0.
        int calendar = 0;
        QByteArrayView text;
    };

    // The text without its complete events.
    QByteArray frame;
    // Views of the text given.
    std::vector<Event> events;

    static ICalendarParts of(QByteArrayView text, CalendarContents &contents);
};
