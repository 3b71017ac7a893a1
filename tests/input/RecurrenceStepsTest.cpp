// SPDX-License-Identifier: MIT
#include "input/RecurrenceSteps.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const QDate First(2024, 1, 1);
const QDate Last(2027, 12, 31);

icaltimezone *berlin()
{
    static const std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(
        icalparser_parse_string(
            "BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
            "TZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
            "END:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
            "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
            "END:VTIMEZONE\r\nEND:VCALENDAR\r\n"),
        icalcomponent_free);
    return icalcomponent_get_timezone(calendar.get(), "Europe/Berlin");
}

// Starts of every kind: dates (a 31st, a leap day, a Friday), Berlin times
// (01:30 just before the night clocks go back), UTC and floating. Where
// clocks change libical moves times about; the notes' tests cover those.
std::vector<icaltimetype> starts()
{
    std::vector<icaltimetype> found;
    for (const char *date : {"20240131", "20240229", "20240105"})
        found.push_back(icaltime_from_string(date));
    for (const char *time : {"20240315T193000", "20241027T013000", "20240831T080000"}) {
        icaltimetype zoned = icaltime_from_string(time);
        zoned.zone = berlin();
        found.push_back(zoned);
    }
    found.push_back(icaltime_from_string("20240330T090000Z"));
    found.push_back(icaltime_from_string("20240110T020000"));
    return found;
}

std::string text(const icaltimetype &time)
{
    return icaltime_as_ical_string(time);
}

// libical's own stepping from the start, the start itself left out: it is
// laid apart from the rules.
std::vector<std::string> libicalSteps(const icalrecurrencetype &rule, const icaltimetype &start, QDate first,
                                      QDate last)
{
    std::vector<std::string> found;
    icalrecur_iterator *steps = icalrecur_iterator_new(rule, start);
    for (int i = 0; steps && i < 5000; ++i) {
        const icaltimetype next = icalrecur_iterator_next(steps);
        const QDate date(next.year, next.month, next.day);
        if (icaltime_is_null_time(next) || date > last)
            break;
        if (date >= first && icaltime_compare(next, start) != 0)
            found.push_back(text(next));
    }
    icalrecur_iterator_free(steps);
    return found;
}

std::vector<std::string> quickSteps(const RecurrenceSteps &steps, const icaltimetype &start, QDate first, QDate last)
{
    std::vector<std::string> found;
    steps.forEach(first, last, [&](const icaltimetype &occurrence) {
        if (icaltime_compare(occurrence, start) != 0)
            found.push_back(text(occurrence));
    });
    return found;
}

struct RuleRow
{
    const char *name;
    const char *rule;
};

class RecurrenceStepsTest : public ::testing::TestWithParam<RuleRow>
{
};

// Over four years and in every month of them, from every kind of start.
TEST_P(RecurrenceStepsTest, SameOccurrencesAsLibical)
{
    const icalrecurrencetype rule = icalrecurrencetype_from_string(GetParam().rule);
    for (const icaltimetype &start : starts()) {
        SCOPED_TRACE(text(start));
        const std::optional<RecurrenceSteps> steps = RecurrenceSteps::of(rule, start);
        ASSERT_TRUE(steps);
        EXPECT_EQ(quickSteps(*steps, start, First, Last), libicalSteps(rule, start, First, Last));
        const std::vector<std::string> all = libicalSteps(rule, start, First, Last);
        for (QDate month = First; month <= Last; month = month.addMonths(1)) {
            SCOPED_TRACE(month.toString(Qt::ISODate).toStdString());
            const QDate last = month.addMonths(1).addDays(-1);
            std::vector<std::string> inMonth;
            for (const std::string &occurrence : all) {
                const QDate date = QDate::fromString(QString::fromStdString(occurrence.substr(0, 8)), u"yyyyMMdd");
                if (date >= month && date <= last)
                    inMonth.push_back(occurrence);
            }
            EXPECT_EQ(quickSteps(*steps, start, month, last), inMonth);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RecurrenceStepsTest,
    ::testing::Values(RuleRow{"Daily", "FREQ=DAILY"}, RuleRow{"EveryThirdDay", "FREQ=DAILY;INTERVAL=3"},
                      RuleRow{"Workdays", "FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR"},
                      RuleRow{"DailyInTwoMonths", "FREQ=DAILY;BYMONTH=2,7"},
                      RuleRow{"EveryTenthDayUntilUtc", "FREQ=DAILY;INTERVAL=10;UNTIL=20250601T000000Z"},
                      RuleRow{"Weekly", "FREQ=WEEKLY"}, RuleRow{"Fortnightly", "FREQ=WEEKLY;INTERVAL=2"},
                      RuleRow{"MondayWednesdayFriday", "FREQ=WEEKLY;BYDAY=MO,WE,FR"},
                      RuleRow{"FortnightlyMondayThursday", "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH"},
                      RuleRow{"FortnightlyWeekFromSunday", "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU,TU;WKST=SU"},
                      RuleRow{"ThirdWeekendWeekFromThursday", "FREQ=WEEKLY;INTERVAL=3;BYDAY=SA,SU;WKST=TH"},
                      RuleRow{"TuesdaysOfDecember", "FREQ=WEEKLY;BYMONTH=12;BYDAY=TU"},
                      RuleRow{"WeeklyUntilDate", "FREQ=WEEKLY;UNTIL=20241231"},
                      RuleRow{"WeeklyUntilUtc", "FREQ=WEEKLY;UNTIL=20250917T173000Z"},
                      RuleRow{"Monthly", "FREQ=MONTHLY"}, RuleRow{"EveryFifthMonth", "FREQ=MONTHLY;INTERVAL=5"},
                      RuleRow{"SecondTuesday", "FREQ=MONTHLY;BYDAY=2TU"},
                      RuleRow{"LastFriday", "FREQ=MONTHLY;BYDAY=-1FR"},
                      RuleRow{"FifthSunday", "FREQ=MONTHLY;BYDAY=5SU"},
                      RuleRow{"FifthLastMondayFirstSaturday", "FREQ=MONTHLY;BYDAY=-5MO,1SA"},
                      RuleRow{"EveryMondayMonthly", "FREQ=MONTHLY;BYDAY=MO"},
                      RuleRow{"ThirtyFirst", "FREQ=MONTHLY;BYMONTHDAY=31"},
                      RuleRow{"LastDays", "FREQ=MONTHLY;BYMONTHDAY=-1,-31"},
                      RuleRow{"FirstAndFifteenth", "FREQ=MONTHLY;BYMONTHDAY=15,1"},
                      RuleRow{"FridayTheThirteenth", "FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13"},
                      RuleRow{"ThirdWednesdayOfSomeMonths", "FREQ=MONTHLY;INTERVAL=2;BYMONTH=1,3,4;BYDAY=3WE"},
                      RuleRow{"MonthlyUntilUtc", "FREQ=MONTHLY;UNTIL=20250415T173000Z"},
                      RuleRow{"Yearly", "FREQ=YEARLY"}, RuleRow{"EveryFourthYear", "FREQ=YEARLY;INTERVAL=4"},
                      RuleRow{"LastSundaysOfMarchAndOctober", "FREQ=YEARLY;BYMONTH=3,10;BYDAY=-1SU"},
                      RuleRow{"Thanksgiving", "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH"},
                      RuleRow{"LeapDay", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29"},
                      RuleRow{"JanuaryAndJune", "FREQ=YEARLY;BYMONTH=1,6"},
                      RuleRow{"MondaysOfMay", "FREQ=YEARLY;BYMONTH=5;BYDAY=MO"},
                      RuleRow{"LastOfApril", "FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=-1"},
                      RuleRow{"YearlyUntilDate", "FREQ=YEARLY;UNTIL=20260101"},
                      RuleRow{"EveryThirdDayCounted", "FREQ=DAILY;INTERVAL=3;COUNT=50"},
                      RuleRow{"MondayThursdayCounted", "FREQ=WEEKLY;BYDAY=MO,TH;COUNT=20"},
                      RuleRow{"SecondTuesdayCounted", "FREQ=MONTHLY;BYDAY=2TU;COUNT=7"},
                      RuleRow{"SecondToLastWeekday", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-2"}),
    RowName());

} // namespace
