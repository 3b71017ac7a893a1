// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>
#include <QStringView>
#include <optional>

// The weekday the month grid's first column shows.
enum class WeekStart { Sunday, Monday, Locale };

// The names the command line takes, in the order of WeekStart.
QStringList weekStartNames();
std::optional<WeekStart> weekStartNamed(QStringView name);

// The first weekday start stands for under locale.
Qt::DayOfWeek firstDayOfWeek(WeekStart start, const QLocale &locale);
