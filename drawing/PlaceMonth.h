// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"

#include <QDate>
#include <QLocale>
#include <QtGlobal>

class PrintSurface;
class QString;

// The month a grid shows: its first day and its number of days.
struct MonthDates
{
    QDate first;
    int days = 0;
};

// The dates of month Mt of year Yr; a year 0 to 99 follows the two-digit
// rule. Raises RuntimeError::InvalidProcedureCall for Mt outside 1..12 and
// RuntimeError::TypeMismatch for a year outside the calendar.
MonthDates monthDates(qint16 Yr, qint16 Mt);

// Draws the month grid: six rules, the weekday heads and the day numbers in
// cFont at 12 pt, and each day's notes through PlaceText in Arial 8 pt. The
// first column is firstDay; the heads are locale's day names ("Sun" to "Sat"
// under English and C). strNotes is only read.
void PlaceMonth(PrintSurface &surface, const DayNotes &strNotes, qint16 Yr, qint16 Mt, qint16 Mx, qint16 My,
                const QString &cFont, qint16 bLeft, const QLocale &locale = QLocale::c(),
                Qt::DayOfWeek firstDay = Qt::Sunday);
