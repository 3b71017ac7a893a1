// SPDX-License-Identifier: MIT
#include "CalendarNotes.h"

#include <gtest/gtest.h>

// The weekly choir at 19:30 Berlin time, never with the seconds of the C
// locale's short time.
TEST(EventTimesTest, HoursAndMinutesInTheLocalesClock)
{
    for (const auto &[name, note] : {std::pair{"C", "19:30 Choir"}, std::pair{"en_US", "7:30 PM Choir"},
                                     std::pair{"de_DE", "19:30 Choir"}, std::pair{"ja_JP", "19:30 Choir"}}) {
        const QLocale locale(QString::fromLatin1(name));
        const QTimeZone berlin("Europe/Berlin");
        EXPECT_EQ(notesOfMonth(calendarData(QStringLiteral("club.ics")), 2027, 1, berlin, locale).at(6), note) << name;
    }
}
