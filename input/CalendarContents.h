// SPDX-License-Identifier: MIT
#pragma once

#include "input/Birthday.h"
#include "input/ICalendarEvent.h"

#include <memory>
#include <vector>

// What calendar files and address books hold, in file order: the events,
// the birthdays, and the calendars whose time zones the events point into.
struct CalendarContents
{
    std::vector<ICalendarEvent> events;
    std::vector<Birthday> birthdays;
    std::vector<std::shared_ptr<icalcomponent>> calendars;

    void append(CalendarContents &&other);
};
