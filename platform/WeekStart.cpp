// SPDX-License-Identifier: MIT
#include "platform/WeekStart.h"

QStringList weekStartNames()
{
    return {QStringLiteral("sunday"), QStringLiteral("monday"), QStringLiteral("locale")};
}

std::optional<WeekStart> weekStartNamed(QStringView name)
{
    const qsizetype index = weekStartNames().indexOf(name.toString().toLower());
    if (index < 0)
        return std::nullopt;
    return WeekStart(index);
}

Qt::DayOfWeek firstDayOfWeek(WeekStart start, const QLocale &locale)
{
    switch (start) {
    case WeekStart::Monday:
        return Qt::Monday;
    case WeekStart::Locale:
        return locale.firstDayOfWeek();
    case WeekStart::Sunday:
        break;
    }
    return Qt::Sunday;
}
