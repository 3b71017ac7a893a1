#pragma once

#include "platform/DayNotes.h"

#include <QDate>
#include <QtGlobal>

class PrintSurface;
class QLocale;
class QString;

// The month a grid shows: its first day, its number of days and the column
// of its first day (0 = Sunday to 6 = Saturday).
struct MonthDates
{
    QDate first;
    int days = 0;
    int startColumn = 0;
};

// Reads the first day of month Mt of year Yr from the text "<month name> 1,
// <year>" under the locale, so a year 0 to 99 follows the two-digit rule.
// Raises RuntimeError::InvalidProcedureCall for Mt outside 1..12 and
// RuntimeError::TypeMismatch when the text is no date.
MonthDates monthDates(qint16 Yr, qint16 Mt, const QLocale &locale);

// Draws the month grid: six rules, the weekday heads and the day numbers in
// cFont at 12 pt, and each day's notes through PlaceText in Arial 8 pt.
// strNotes is only read.
void PlaceMonth(PrintSurface &surface, const DayNotes &strNotes, qint16 Yr, qint16 Mt, qint16 Mx, qint16 My,
                const QString &cFont, qint16 bLeft, const QLocale &locale);
