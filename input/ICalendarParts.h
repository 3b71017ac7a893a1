// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Calendar programs write no line longer than this once unfolded; libical's
// parser takes time quadratic in a line's length.
constexpr qsizetype maxCalendarLineBytes = 64 * 1024;

// An iCalendar text (LF or CR LF line ends) cut into parts that libical reads
// one at a time, so that its tree of the whole file, many times the file's
// size, is never held at once. Lines longer than maxCalendarLineBytes are
// dropped before libical sees them: an event holding one is left out whole,
// any other such line alone, each left out in contents. A time zone of more
// than 500 observances and dates raises CalendarFileError.
struct ICalendarParts
{
    // Complete events of one calendar, a few hundred KB at a time, wrapped
    // as a calendar of their own.
    struct Batch
    {
        // Which calendar of the file held them, counted from 0.
        int calendar = 0;
        QByteArray text;
    };

    // The text without its complete events: the calendars, their time zones
    // and whatever libical makes of the rest.
    QByteArray frame;
    std::vector<Batch> batches;

    static ICalendarParts of(QByteArrayView text, CalendarContents &contents);
};
