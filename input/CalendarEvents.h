// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"
#include "page/EventSource.h"

#include <QLocale>
#include <QTimeZone>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

// The events and birthdays of the attached calendar files, laid on the month
// printed: birthdays and all-day events first, then timed events by their
// local start time, each kind in file order. A timed event's note starts
// with its start time; an event appears once on every day it covers.
class CalendarEvents : public EventSource
{
public:
    // local is the zone the events' times are shown in.
    CalendarEvents(CalendarContents contents, const QTimeZone &local);

    // The notes of the month last laid are kept: the window lays the same
    // month again on every keystroke in a field.
    void addNotes(DayNotes &strNotes, int year, int month, const QLocale &locale) const override;

private:
    // Day and text of every note of one month, in order.
    using MonthNotes = std::vector<std::pair<int, QString>>;

    struct LaidMonth
    {
        int year = 0;
        int month = 0;
        QLocale locale;
        MonthNotes notes;
    };

    MonthNotes notesOf(int year, int month, const QLocale &locale) const;

    CalendarContents m_contents;
    QTimeZone m_local;
    // The page value, and with it this source, is shared between threads.
    mutable std::mutex m_laidMutex;
    mutable std::optional<LaidMonth> m_laid;
};
