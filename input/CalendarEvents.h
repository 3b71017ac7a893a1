// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"
#include "page/EventSource.h"

#include <QTimeZone>

// The events and birthdays of the attached calendar files, laid on the month
// printed: birthdays and all-day events first, then timed events by their
// local start time, each kind in file order. A timed event's note starts
// with its start time; an event appears once on every day it covers.
class CalendarEvents : public EventSource
{
public:
    // local is the zone the events' times are shown in.
    CalendarEvents(CalendarContents contents, const QTimeZone &local);

    void addNotes(DayNotes &strNotes, int year, int month, const QLocale &locale) const override;

private:
    CalendarContents m_contents;
    QTimeZone m_local;
};
