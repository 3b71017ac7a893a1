// SPDX-License-Identifier: MIT
#include "input/Birthday.h"

#include <QDate>

int Birthday::dayIn(int year, int month) const
{
    if (month != this->month)
        return 0;
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return 28;
    return day;
}

bool Birthday::hasNoteFor(int year) const
{
    return this->year == 0 ? !name.isEmpty() : year > this->year;
}

QString Birthday::noteFor(int year) const
{
    if (!hasNoteFor(year))
        return QString();
    if (this->year == 0)
        return name;
    const int age = year - this->year;
    // A blank stands in the sign position, as on a BIR line.
    return name + QStringLiteral(" is  ") + QString::number(age);
}
