// SPDX-License-Identifier: MIT
#include "platform/Dates.h"

#include "platform/DateReader.h"
#include "platform/RuntimeError.h"

QString MonthName(int month, const QLocale &locale)
{
    if (month < 1 || month > 12)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    return locale.standaloneMonthName(month, QLocale::LongFormat);
}

int daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

int Weekday(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

QDate firstDayOfMonth(int Yr, int Mt)
{
    if (Mt < 1 || Mt > 12)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    int year = Yr;
    if (Yr >= 0 && Yr <= 99)
        year = Yr < 30 ? 2000 + Yr : 1900 + Yr;
    if (year < 100 || year > 9999)
        throw RuntimeError(RuntimeError::TypeMismatch);
    return QDate(year, Mt, 1);
}

QDate DateValue(QStringView text, const QLocale &locale, QDate today)
{
    return DateReader(locale, today).read(text);
}
