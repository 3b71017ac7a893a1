// SPDX-License-Identifier: MIT
#pragma once

#include "input/Birthday.h"
#include "input/ICalendarEvent.h"
#include "input/Refusal.h"

#include <memory>
#include <optional>
#include <vector>

// What calendar files and address books hold, in file order: the events,
// the birthdays, and the calendars whose time zones the events point into;
// and how many entries were left out because they cannot be read, with why
// the first was.
struct CalendarContents
{
    std::vector<ICalendarEvent> events;
    std::vector<Birthday> birthdays;
    std::vector<std::shared_ptr<icalcomponent>> calendars;
    int leftOut = 0;
    std::optional<Refusal> firstLeftOut;

    void append(CalendarContents &&other);
    void leaveOut(const Refusal &why);
};
