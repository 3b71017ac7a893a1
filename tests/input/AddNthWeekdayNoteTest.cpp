// SPDX-License-Identifier: MIT
#include "input/AddNthWeekdayNote.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The days that hold a note after one call.
std::vector<int> notedDays(const DayNotes &notes)
{
    std::vector<int> days;
    for (int index = 0; index < int(notes.size()); ++index) {
        if (!notes[index].isEmpty())
            days.push_back(index + 1);
    }
    return days;
}

struct RuleCase
{
    const char *name;
    const char *year;
    qint16 month;
    qint16 weekday;
    qint16 occurrence;
    int expectedDay;
};

class AddNthWeekdayNoteTest : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(AddNthWeekdayNoteTest, NotesTheRightDay)
{
    const RuleCase &c = GetParam();
    DayNotes notes;
    AddNthWeekdayNote(notes, QString::fromLatin1(c.year), c.weekday, c.occurrence, c.month, u"Meeting"_s);
    EXPECT_EQ(notedDays(notes), std::vector<int>{c.expectedDay});
    EXPECT_EQ(notes[c.expectedDay - 1], u"Meeting");
}

// March 2004 begins on a Monday.
const RuleCase ruleCases[] = {
    {"SundayFirst", "2004", 3, 1, 1, 7},
    {"SundaySecond", "2004", 3, 1, 2, 14},
    {"MondayFirst", "2004", 3, 2, 1, 1},
    {"MondaySecond", "2004", 3, 2, 2, 8},
    {"TuesdayFirst", "2004", 3, 3, 1, 2},
    {"TuesdaySecond", "2004", 3, 3, 2, 9},
    {"WednesdayFirst", "2004", 3, 4, 1, 3},
    {"WednesdaySecond", "2004", 3, 4, 2, 10},
    {"ThursdayFirst", "2004", 3, 5, 1, 4},
    {"ThursdaySecond", "2004", 3, 5, 2, 11},
    {"FridayFirst", "2004", 3, 6, 1, 5},
    {"FridaySecond", "2004", 3, 6, 2, 12},
    {"SaturdayFirst", "2004", 3, 7, 1, 6},
    {"SaturdaySecond", "2004", 3, 7, 2, 13},
    {"WeekdayZeroIsSaturday", "2004", 3, 0, 1, 6},
    {"FourthOfFirstWeekday", "2004", 3, 2, 4, 22},
    // February 2026 begins on a Sunday and has 28 days.
    {"FourthSundayCommonFebruary", "2026", 2, 1, 4, 22},
    {"FourthSaturdayCommonFebruary", "2026", 2, 7, 4, 28},
    {"FifthMondayWhenTheMonthHasOne", "2004", 3, 2, 5, 29},
    {"YearWithBlanks", " 2004 ", 3, 3, 2, 9},
    {"TwoDigitYear", "04", 3, 3, 2, 9},
    // A year box without a number is the year 0, as on the grid: March 2000
    // begins on a Wednesday.
    {"EmptyYearIs2000", "", 3, 2, 1, 6},
    {"YearNotANumberIs2000", "abc", 3, 2, 1, 6},
    {"YearWithTrailingTextReadsItsNumber", "2004 AD", 3, 3, 2, 9},
    {"FractionalYearRoundsToEven", "2003.5", 3, 3, 2, 9},
    {"YearFourDigitsBelow1000", "1000", 3, 2, 1, 3},
};

INSTANTIATE_TEST_SUITE_P(MarchAndFebruary, AddNthWeekdayNoteTest, ::testing::ValuesIn(ruleCases),
                         RowName());

struct UndefinedCase
{
    const char *name;
    const char *year;
    qint16 month;
    qint16 weekday;
    qint16 occurrence;
};

class AddNthWeekdayNoteUndefinedTest : public ::testing::TestWithParam<UndefinedCase>
{
};

TEST_P(AddNthWeekdayNoteUndefinedTest, StoresNothing)
{
    const UndefinedCase &c = GetParam();
    DayNotes notes;
    AddNthWeekdayNote(notes, QString::fromLatin1(c.year), c.weekday, c.occurrence, c.month, u"Meeting"_s);
    EXPECT_TRUE(notedDays(notes).empty());
}

const UndefinedCase undefinedCases[] = {
    {"OccurrenceZero", "2004", 3, 2, 0},
    {"OccurrenceNegative", "2004", 3, 2, -3},
    {"WeekdayNegative", "2004", 3, -1, 1},
    {"WeekdayMostNegative", "2004", 3, -32768, 1},
    {"MonthZero", "2004", 0, 2, 1},
    {"MonthThirteen", "2004", 13, 2, 1},
    {"YearNegative", "-5", 3, 2, 1},
    {"YearTooLarge", "10000", 3, 2, 1},
    {"YearOverflows", "40000", 3, 2, 1},
    {"OccurrenceOverflows", "2004", 3, 2, 32767},
    {"FifthMondayBeyondTheMonth", "2026", 2, 2, 5},
    {"SixthOccurrence", "2004", 3, 2, 6},
    {"WeekdayAboveSaturdayPastTheEnd", "2004", 3, 32767, 1},
};

INSTANTIATE_TEST_SUITE_P(Undefined, AddNthWeekdayNoteUndefinedTest, ::testing::ValuesIn(undefinedCases),
                         RowName());

TEST(AddNthWeekdayNoteOrderTest, JoinsNotesOfOneDayInCallOrder)
{
    DayNotes notes;
    notes[8] = u"Planting day"_s;
    AddNthWeekdayNote(notes, u"2004"_s, 3, 2, 3, u"Committee"_s);
    AddNthWeekdayNote(notes, u"2004"_s, 3, 2, 3, u"Tea"_s);
    EXPECT_EQ(notes[8], u"Planting day ^ Committee ^ Tea");
}

} // namespace
