// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"

#include <QtGlobal>

class QString;

// Adds note to the occurrence-th weekday (Sunday = 1 .. Saturday = 7; 0 counts
// as Saturday) of month in the year written in txtYear, read as the month
// grid reads it (a year 0 to 99 by the two-digit rule, no number as 0). A day
// past the month's end, an occurrence below 1, a weekday below 0, a month
// outside 1..12, a year outside the calendar and any 16-bit overflow store
// nothing and report nothing.
void AddNthWeekdayNote(DayNotes &strNotes, const QString &txtYear, qint16 weekday, qint16 occurrence, qint16 month,
                       const QString &note);
