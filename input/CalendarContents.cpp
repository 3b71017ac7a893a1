// SPDX-License-Identifier: MIT
#include "input/CalendarContents.h"

#include <iterator>

void CalendarContents::append(CalendarContents &&other)
{
    // Most often there is one file, and its entries need not move one by one.
    if (events.empty())
        events.swap(other.events);
    events.insert(events.end(), std::make_move_iterator(other.events.begin()),
                  std::make_move_iterator(other.events.end()));
    if (birthdays.empty())
        birthdays.swap(other.birthdays);
    birthdays.insert(birthdays.end(), std::make_move_iterator(other.birthdays.begin()),
                     std::make_move_iterator(other.birthdays.end()));
    calendars.insert(calendars.end(), other.calendars.begin(), other.calendars.end());
    scales.insert(scales.end(), other.scales.begin(), other.scales.end());
    if (!firstLeftOut)
        firstLeftOut = other.firstLeftOut;
    leftOut += other.leftOut;
}

void CalendarContents::leaveOut(const Refusal &why)
{
    if (!firstLeftOut)
        firstLeftOut = why;
    ++leftOut;
}
