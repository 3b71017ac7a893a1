// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTimeZone>
#include <map>
#include <string>

// The calendar files of tests/input/data, made the way calendar programs and
// address books write them.
QByteArray calendarData(const QString &name);

// The days of a month that hold notes, day number to text.
using FilledDays = std::map<int, std::string>;

FilledDays filledDays(const DayNotes &strNotes);

// The notes that the calendar data lays on month of year, shown in zone and
// locale; fails the test when the data is refused.
FilledDays notesOfMonth(const QByteArray &data, int year, int month, const QTimeZone &zone, const QLocale &locale);
