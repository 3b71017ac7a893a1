// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Full stand-alone name of month 1..12 in the locale's language.
// Raises RuntimeError::InvalidProcedureCall for any other month.
QString MonthName(int month, const QLocale &locale);

// Days of the month in the Gregorian calendar (28 to 31).
int daysInMonth(int year, int month);

// Weekday with Sunday = 1 to Saturday = 7.
int Weekday(QDate date);

// The first day of month Mt of year Yr, by the rules of reading a date:
// years 0-29 are 2000-2029, 30-99 are 1930-1999, 100-9999 as written.
// Raises RuntimeError::InvalidProcedureCall for a month outside 1..12 (the
// month is checked first) and RuntimeError::TypeMismatch for any other year.
QDate firstDayOfMonth(int Yr, int Mt);

// Text to date under the user's settings: numeric dates in the locale's order
// of day, month and year, in any script's decimal digits; month names in the
// locale's language or English, full or abbreviated, stand-alone or in a date,
// in any case and whether composed or not, also of several words; ISO
// yyyy-mm-dd; two-digit years 0-29 are 2000-2029 and 30-99 are 1930-1999;
// years 100 to 9999. A date without a year takes the year of today. Raises
// RuntimeError::TypeMismatch when the text is no date.
QDate DateValue(QStringView text, const QLocale &locale, QDate today);
