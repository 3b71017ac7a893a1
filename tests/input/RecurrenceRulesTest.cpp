// SPDX-License-Identifier: MIT
#include "CalendarNotes.h"
#include "tests/support/RowName.h"

#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

const QLocale British(QLocale::English, QLocale::UnitedKingdom);

QByteArray calendarOf(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray &summary, const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\nUID:" + summary + "\r\nSUMMARY:" + summary + "\r\n" + lines + "END:VEVENT\r\n";
}

struct RuleRow
{
    const char *name;
    const char *start;
    const char *rule;
    // Year and month printed, and the days of their notes, each "09:00 E":
    // the first occurrence that day.
    int month;
    const char *days;
};

class RecurrenceRulesTest : public ::testing::TestWithParam<RuleRow>
{
};

// The examples of RFC 5545, in New York where they are written.
TEST_P(RecurrenceRulesTest, PrintTheDaysTheStandardLists)
{
    const RuleRow &row = GetParam();
    const QByteArray lines = QByteArray("DTSTART;TZID=America/New_York:") + row.start + "T090000\r\nRRULE:" + row.rule + "\r\n";
    FilledDays expected;
    for (const QString &day : QString::fromLatin1(row.days).split(u' ', Qt::SkipEmptyParts))
        expected[day.toInt()] = "09:00 E";
    EXPECT_EQ(notesOfMonth(calendarOf(event("E", lines)), row.month / 100, row.month % 100, QTimeZone("America/New_York"),
                           British),
              expected);
}

const char *const Every = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31";

INSTANTIATE_TEST_SUITE_P(
    Standard, RecurrenceRulesTest,
    ::testing::Values(
        RuleRow{"DailyTen", "19970902", "FREQ=DAILY;COUNT=10", 199709, "2 3 4 5 6 7 8 9 10 11"},
        RuleRow{"DailyUntil", "19970902", "FREQ=DAILY;UNTIL=19971224T000000Z", 199712, "1 2 3 4 5 6 7 8 9 10 11 12 13 "
                                                                                     "14 15 16 17 18 19 20 21 22 23"},
        RuleRow{"EveryOtherDay", "19970902", "FREQ=DAILY;INTERVAL=2", 199710, "2 4 6 8 10 12 14 16 18 20 22 24 26 28 30"},
        RuleRow{"TenDaysFive", "19970902", "FREQ=DAILY;INTERVAL=10;COUNT=5", 199710, "2 12"},
        RuleRow{"JanuaryYearly", "19980101", "FREQ=YEARLY;UNTIL=20000131T140000Z;BYMONTH=1;BYDAY=SU,MO,TU,WE,TH,FR,SA",
                200001, Every},
        RuleRow{"JanuaryDaily", "19980101", "FREQ=DAILY;UNTIL=20000131T140000Z;BYMONTH=1", 199901, Every},
        RuleRow{"WeeklyTen", "19970902", "FREQ=WEEKLY;COUNT=10", 199711, "4"},
        RuleRow{"WeeklyUntil", "19970902", "FREQ=WEEKLY;UNTIL=19971224T000000Z", 199712, "2 9 16 23"},
        RuleRow{"EveryOtherWeek", "19970902", "FREQ=WEEKLY;INTERVAL=2;WKST=SU", 199802, "3 17"},
        RuleRow{"TuesdayThursday", "19970902", "FREQ=WEEKLY;COUNT=10;WKST=SU;BYDAY=TU,TH", 199710, "2"},
        RuleRow{"MondayWednesdayFriday", "19970901", "FREQ=WEEKLY;INTERVAL=2;UNTIL=19971224T000000Z;WKST=SU;BYDAY=MO,WE,FR",
                199712, "8 10 12 22"},
        RuleRow{"OtherTuesdayThursday", "19970902", "FREQ=WEEKLY;INTERVAL=2;COUNT=8;WKST=SU;BYDAY=TU,TH", 199710, "2 14 16"},
        RuleRow{"FirstFriday", "19970905", "FREQ=MONTHLY;COUNT=10;BYDAY=1FR", 199806, "5"},
        RuleRow{"FirstFridayUntil", "19970905", "FREQ=MONTHLY;UNTIL=19971224T000000Z;BYDAY=1FR", 199712, "5"},
        RuleRow{"FirstLastSunday", "19970907", "FREQ=MONTHLY;INTERVAL=2;COUNT=10;BYDAY=1SU,-1SU", 199805, "3 31"},
        RuleRow{"SecondToLastMonday", "19970922", "FREQ=MONTHLY;COUNT=6;BYDAY=-2MO", 199802, "16"},
        RuleRow{"ThirdToLastDay", "19970928", "FREQ=MONTHLY;BYMONTHDAY=-3", 199802, "26"},
        RuleRow{"SecondFifteenth", "19970902", "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=2,15", 199801, "2 15"},
        RuleRow{"FirstLastDay", "19970930", "FREQ=MONTHLY;COUNT=10;BYMONTHDAY=1,-1", 199802, "1"},
        RuleRow{"EighteenMonths", "19970910", "FREQ=MONTHLY;INTERVAL=18;COUNT=10;BYMONTHDAY=10,11,12,13,14,15", 199903,
                "10 11 12 13"},
        RuleRow{"TuesdaysOtherMonth", "19970902", "FREQ=MONTHLY;INTERVAL=2;BYDAY=TU", 199803, "3 10 17 24 31"},
        RuleRow{"JuneJuly", "19970610", "FREQ=YEARLY;COUNT=10;BYMONTH=6,7", 200107, "10"},
        RuleRow{"JanuaryToMarch", "19970310", "FREQ=YEARLY;INTERVAL=2;COUNT=10;BYMONTH=1,2,3", 200303, "10"},
        RuleRow{"YearDays", "19970101", "FREQ=YEARLY;INTERVAL=3;COUNT=10;BYYEARDAY=1,100,200", 200004, "9"},
        RuleRow{"YearDaysEnd", "19970101", "FREQ=YEARLY;INTERVAL=3;COUNT=10;BYYEARDAY=1,100,200", 200604, ""},
        RuleRow{"TwentiethMonday", "19970519", "FREQ=YEARLY;BYDAY=20MO", 199805, "18"},
        RuleRow{"WeekTwenty", "19970512", "FREQ=YEARLY;BYWEEKNO=20;BYDAY=MO", 199905, "17"},
        RuleRow{"ThursdaysOfMarch", "19970313", "FREQ=YEARLY;BYMONTH=3;BYDAY=TH", 199803, "5 12 19 26"},
        RuleRow{"SummerThursdays", "19970605", "FREQ=YEARLY;BYDAY=TH;BYMONTH=6,7,8", 199806, "4 11 18 25"},
        RuleRow{"FridayThirteenth", "19970902",
                "FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13\r\nEXDATE;TZID=America/New_York:19970902T090000", 199803, "13"},
        RuleRow{"SaturdayAfterSunday", "19970913", "FREQ=MONTHLY;BYDAY=SA;BYMONTHDAY=7,8,9,10,11,12,13", 199710, "11"},
        RuleRow{"ElectionDay", "19961105", "FREQ=YEARLY;INTERVAL=4;BYMONTH=11;BYDAY=TU;BYMONTHDAY=2,3,4,5,6,7,8", 200411, "2"},
        RuleRow{"ThirdTuesdayToThursday", "19970904", "FREQ=MONTHLY;COUNT=3;BYDAY=TU,WE,TH;BYSETPOS=3", 199710, "7"},
        RuleRow{"SecondToLastWeekday", "19970929", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2", 199711, "27"},
        RuleRow{"ThreeHours", "19970902", "FREQ=HOURLY;INTERVAL=3;UNTIL=19970902T170000Z", 199709, "2"},
        RuleRow{"FifteenMinutes", "19970902", "FREQ=MINUTELY;INTERVAL=15;COUNT=6", 199709, "2"},
        RuleRow{"HourAndAHalf", "19970902", "FREQ=MINUTELY;INTERVAL=90;COUNT=4", 199709, "2"},
        RuleRow{"TwentyMinutesDaily", "19970902", "FREQ=DAILY;BYHOUR=9,10,11,12,13,14,15,16;BYMINUTE=0,20,40", 199710, Every},
        RuleRow{"TwentyMinutesMinutely", "19970902", "FREQ=MINUTELY;INTERVAL=20;BYHOUR=9,10,11,12,13,14,15,16", 199710, Every},
        RuleRow{"WeekFromMonday", "19970805", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=MO", 199708, "5 10 19 24"},
        RuleRow{"WeekFromSunday", "19970805", "FREQ=WEEKLY;INTERVAL=2;COUNT=4;BYDAY=TU,SU;WKST=SU", 199708, "5 17 19 31"}),
    RowName());

const QByteArray BerlinZone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
                              "TZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                              "END:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                              "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
                              "END:VTIMEZONE\r\n";

// New York by the system's zone, Berlin by the file's: 02:30 on the nights
// clocks go forward is 03:30; 01:30 (New York) and 02:30 (Berlin) on the
// nights they go back are the first of the two. A New York call at 18:00 is
// twice on 14 March in Berlin.
QByteArray clockChanges()
{
    const QByteArray ny = ";TZID=America/New_York:";
    const QByteArray berlin = ";TZID=Europe/Berlin:";
    return calendarOf(
        BerlinZone + event("Gap", "DTSTART" + ny + "20270307T120000\r\nRDATE" + ny + "20270314T023000\r\n")
        + event("Daily", "DTSTART" + ny + "20270313T023000\r\nRRULE:FREQ=DAILY;COUNT=3\r\n")
        + event("Call", "DTSTART" + ny + "20270313T180000\r\nRRULE:FREQ=DAILY;COUNT=2\r\n")
        + event("Fold", "DTSTART" + ny + "20271107T013000\r\n") + event("Spring", "DTSTART" + berlin + "20270328T023000\r\n")
        + event("Autumn", "DTSTART" + berlin + "20271030T023000\r\nRRULE:FREQ=DAILY;COUNT=2\r\n")
        + "BEGIN:VEVENT\r\nUID:Autumn\r\nSUMMARY:Moved\r\nRECURRENCE-ID" + berlin + "20271031T023000\r\nDTSTART" + berlin
        + "20271031T120000\r\nEND:VEVENT\r\n");
}

struct ClockRow
{
    const char *name;
    const char *zone;
    int month;
    FilledDays expected;
};

class ClockChangeTest : public ::testing::TestWithParam<ClockRow>
{
};

TEST_P(ClockChangeTest, TimesFollowTheStandard)
{
    const ClockRow &row = GetParam();
    EXPECT_EQ(notesOfMonth(clockChanges(), 2027, row.month, QTimeZone(row.zone), British), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    NewYorkAndBerlin, ClockChangeTest,
    ::testing::Values(
        ClockRow{"MarchUtc", "UTC", 3,
                 {{7, "17:00 Gap"}, {13, "07:30 Daily ^ 23:00 Call"}, {14, "07:30 Gap ^ 07:30 Daily ^ 22:00 Call"},
                  {15, "06:30 Daily"}, {28, "01:30 Spring"}}},
        ClockRow{"MarchLosAngeles", "America/Los_Angeles", 3,
                 {{7, "09:00 Gap"}, {12, "23:30 Daily"}, {13, "15:00 Call ^ 23:30 Gap ^ 23:30 Daily"},
                  {14, "15:00 Call ^ 23:30 Daily"}, {27, "18:30 Spring"}}},
        ClockRow{"MarchRegina", "America/Regina", 3,
                 {{7, "11:00 Gap"}, {13, "01:30 Daily ^ 17:00 Call"}, {14, "01:30 Gap ^ 01:30 Daily ^ 16:00 Call"},
                  {15, "00:30 Daily"}, {27, "19:30 Spring"}}},
        ClockRow{"MarchBerlin", "Europe/Berlin", 3,
                 {{7, "18:00 Gap"}, {13, "08:30 Daily"}, {14, "00:00 Call ^ 08:30 Gap ^ 08:30 Daily ^ 23:00 Call"},
                  {15, "07:30 Daily"}, {28, "03:30 Spring"}}},
        ClockRow{"OctoberUtc", "UTC", 10, {{30, "00:30 Autumn"}, {31, "11:00 Moved"}}},
        ClockRow{"OctoberLosAngeles", "America/Los_Angeles", 10, {{29, "17:30 Autumn"}, {31, "04:00 Moved"}}},
        ClockRow{"OctoberBerlin", "Europe/Berlin", 10, {{30, "02:30 Autumn"}, {31, "12:00 Moved"}}},
        ClockRow{"NovemberUtc", "UTC", 11, {{7, "05:30 Fold"}}},
        ClockRow{"NovemberLosAngeles", "America/Los_Angeles", 11, {{6, "22:30 Fold"}}},
        ClockRow{"NovemberRegina", "America/Regina", 11, {{6, "23:30 Fold"}}},
        ClockRow{"NovemberBerlin", "Europe/Berlin", 11, {{7, "06:30 Fold"}}}),
    RowName());

// Shifts at 06:00 and 18:00 in New York are at 12:00 and midnight in Berlin:
// each day shows the first of its own.
TEST(SubDailyRuleTest, ShowsTheFirstTimeOfThePrintedDay)
{
    const QByteArray shift =
        event("Shift", "DTSTART;TZID=America/New_York:20270601T060000\r\nRRULE:FREQ=DAILY;BYHOUR=6,18\r\n");
    FilledDays expected{{1, "12:00 Shift"}};
    for (int day = 2; day <= 30; ++day)
        expected[day] = "00:00 Shift";
    EXPECT_EQ(notesOfMonth(calendarOf(shift), 2027, 6, QTimeZone("Europe/Berlin"), British), expected);
}

struct BoundRow
{
    const char *name;
    const char *rule;
    // Days of February 2027 with notes, or -1 when the events are left out.
    int days;
};

class RuleBoundTest : public ::testing::TestWithParam<BoundRow>
{
};

// Two hundred events of one rule, read and laid on a month far from their
// start.
TEST_P(RuleBoundTest, CostsNoMoreThanTheMonth)
{
    QByteArray events;
    for (int i = 0; i < 200; ++i)
        events += event("E" + QByteArray::number(i), QByteArray("DTSTART:20200101T060000Z\r\nRRULE:") + GetParam().rule + "\r\n");
    QElapsedTimer timer;
    timer.start();
    const CalendarFileRead read = readCalendarData(calendarOf(events), QTimeZone::utc());
    DayNotes strNotes;
    if (read.events)
        read.events->addNotes(strNotes, 2027, 2, British);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(read.events ? int(filledDays(strNotes).size()) : -1, GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RuleBoundTest,
    ::testing::Values(BoundRow{"NeverOnFebruaryThirtieth", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30;BYSETPOS=1", 0},
                      BoundRow{"HundredThousandDays", "FREQ=DAILY;COUNT=100000;BYSETPOS=1", 28},
                      BoundRow{"TwoBillionWeeks", "FREQ=WEEKLY;COUNT=2000000000", 4},
                      BoundRow{"LastDaysCountedFar", "FREQ=MONTHLY;BYMONTHDAY=1,-1;COUNT=100000", 2},
                      BoundRow{"EverySecondToTheLastYear", "FREQ=SECONDLY;UNTIL=99991231T235959Z", 28},
                      BoundRow{"EveryMinuteAtNine", "FREQ=MINUTELY;BYHOUR=9", 28},
                      BoundRow{"YearDaysBeyondTheSteps", "FREQ=YEARLY;BYYEARDAY=1,100;COUNT=60000", 0},
                      BoundRow{"YearDaysCountedTooFar", "FREQ=YEARLY;BYYEARDAY=1,100;COUNT=200000", -1}),
    RowName());

} // namespace
