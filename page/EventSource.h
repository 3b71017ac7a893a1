// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"

class QLocale;

// Dates kept outside the page, such as a calendar file or an address book,
// that put notes on whichever month is printed. Shared between copies of a
// page and never changed once made.
class EventSource
{
public:
    virtual ~EventSource() = default;

    // Adds the notes of month 1..12 of year to strNotes, after what each day
    // already holds; times are written in the locale's short format.
    virtual void addNotes(DayNotes &strNotes, int year, int month, const QLocale &locale) const = 0;
};
