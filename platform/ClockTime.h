// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// time as hours and minutes in the locale's order and clock (24-hour or
// AM/PM), without seconds even where the locale's short format has them.
QString hoursAndMinutes(QTime time, const QLocale &locale);
