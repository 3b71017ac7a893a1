// SPDX-License-Identifier: MIT
#include "HostileCalendars.h"
#include "tests/support/RowName.h"

#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include <QLocale>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <ctime>

namespace {

// Sanitizers and unoptimised code take several times as long.
#ifdef SLOW_BUILD
constexpr double BuildFactor = 10;
#else
constexpr double BuildFactor = 1;
#endif

class HostileCalendarTest : public ::testing::TestWithParam<HostileCalendar>
{
};

// Each took seconds to minutes before; now it is refused or prints soon. CPU
// time, as the machine may be busy with others.
TEST_P(HostileCalendarTest, IsRefusedOrPrintsSoon)
{
    const QByteArray data = GetParam().make();
    const std::clock_t start = std::clock();
    const CalendarFileRead read = readCalendarData(data, QTimeZone("Europe/Berlin"));
    DayNotes strNotes;
    if (read.events)
        read.events->addNotes(strNotes, 2027, 3, QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_LT(double(std::clock() - start) * 1000 / CLOCKS_PER_SEC, GetParam().limitMs * BuildFactor);
    EXPECT_TRUE(read.refusal || !strNotes[10].isEmpty() || !strNotes[16].isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, HostileCalendarTest, ::testing::ValuesIn(hostileCalendars()), RowName());

} // namespace
