// SPDX-License-Identifier: MIT
#pragma once

#include "input/Birthday.h"
#include "input/ICalendarEvent.h"
#include "input/Refusal.h"

#include <memory>
#include <optional>
#include <vector>

// What calendar files and address books hold, in file order: the events,
// the birthdays, the calendars whose time zones the events point into and
// the calendar scales (RSCALE) their rules name; and how many entries were
// left out because they cannot be read, with why the first was.
struct CalendarContents
{
    std::vector<ICalendarEvent> events;
    std::vector<Birthday> birthdays;
    std::vector<std::shared_ptr<icalcomponent>> calendars;
    std::vector<std::shared_ptr<char>> scales;
    int leftOut = 0;
    std::optional<Refusal> firstLeftOut;

    void append(CalendarContents &&other);
    void leaveOut(const Refusal &why);
};
