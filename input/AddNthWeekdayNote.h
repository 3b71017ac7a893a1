#pragma once

#include "platform/DayNotes.h"

#include <QtGlobal>

class QLocale;
class QString;

// Adds note to the occurrence-th weekday (Sunday = 1 .. Saturday = 7; 0 counts
// as Saturday) of month in the year written in txtYear. The first of the month
// is read as the text "<month name> 1, <year>" under locale. A day past the
// month's end, an occurrence below 1, a weekday below 0, a month outside 1..12,
// a year text that makes no date and any 16-bit overflow store nothing and
// report nothing.
void AddNthWeekdayNote(DayNotes &strNotes, const QString &txtYear, qint16 weekday, qint16 occurrence, qint16 month,
                       const QString &note, const QLocale &locale);
