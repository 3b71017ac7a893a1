// SPDX-License-Identifier: MIT
#include "CalendarNotes.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

namespace {

const QLocale British(QLocale::English, QLocale::UnitedKingdom);
const QLocale American(QLocale::English, QLocale::UnitedStates);
const QTimeZone Berlin("Europe/Berlin");
const QTimeZone NewYork("America/New_York");

struct MonthRow
{
    const char *name;
    const char *file;
    QTimeZone zone;
    QLocale locale;
    int year;
    int month;
    FilledDays expected;
};

class CalendarMonthTest : public ::testing::TestWithParam<MonthRow>
{
};

TEST_P(CalendarMonthTest, EveryEventAndBirthdayLandsOnItsDay)
{
    const MonthRow &row = GetParam();
    EXPECT_EQ(notesOfMonth(calendarData(QString::fromLatin1(row.file)), row.year, row.month, row.zone, row.locale),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CalendarMonthTest,
    ::testing::Values(
        // Weekly choir without the 20th (EXDATE) and moved from the 13th to
        // the 14th; committee on the second Tuesday; a New York call that is
        // past midnight in Berlin; UTC dentist; a party past midnight; the
        // ski trip runs into February; the cancelled rehearsal is left out.
        MonthRow{"GoogleJanuary", "club.ics", Berlin, British, 2027, 1,
                 {{5, "10:00 Dentist"},
                  {6, "19:30 Choir"},
                  {12, "18:00 Committee"},
                  {14, "20:00 Choir (moved)"},
                  {15, "00:30 Call with the Boston office"},
                  {22, "Grüße an die ganze Familie – Neujahrsfeier"},
                  {27, "19:30 Choir"},
                  {29, "Ski trip"},
                  {30, "Ski trip ^ 22:00 Party"},
                  {31, "Ski trip ^ Party"}}},
        MonthRow{"GoogleFebruary", "club.ics", Berlin, British, 2027, 2,
                 {{1, "Ski trip"},
                  {2, "Ski trip"},
                  {3, "19:30 Choir"},
                  {9, "18:00 Committee"},
                  {10, "19:30 Choir"},
                  {17, "19:30 Choir"},
                  {24, "19:30 Choir"}}},
        // Rules that never end are laid on any later month.
        MonthRow{"GoogleFarFuture", "club.ics", Berlin, British, 2090, 5,
                 {{3, "19:30 Choir"},
                  {9, "18:00 Committee"},
                  {10, "19:30 Choir"},
                  {17, "19:30 Choir"},
                  {24, "19:30 Choir"},
                  {31, "19:30 Choir"}}},
        MonthRow{"GoogleBeforeTheFirst", "club.ics", Berlin, British, 2024, 12, {}},
        // Shown in New York: Berlin's 19:00 is 13:00 until New York moves
        // its clocks on 14 March, then 14:00; COUNT=3 stops after the 16th.
        // The flu jab is at 08:00 in Berlin after Europe's change, on its
        // own day and on two more dates (RDATE).
        MonthRow{"OutlookInNewYork", "outlook.ics", NewYork, American, 2027, 3,
                 {{1, "2:00 AM Flu jab"},
                  {2, "1:00 PM Board meeting"},
                  {9, "1:00 PM Board meeting"},
                  {16, "2:00 PM Board meeting"},
                  {29, "2:00 AM Flu jab"},
                  {31, "2:00 AM Flu jab"}}},
        MonthRow{"OutlookInBerlin", "outlook.ics", Berlin, British, 2027, 3,
                 {{1, "08:00 Flu jab"},
                  {2, "19:00 Board meeting"},
                  {9, "19:00 Board meeting"},
                  {16, "19:00 Board meeting"},
                  {29, "08:00 Flu jab"},
                  {31, "08:00 Flu jab"}}},
        // Birthday calendars: the age reached in the year printed; a yearly
        // event that is no birthday stays an event.
        MonthRow{"BirthdayCalendarJanuary", "birthdays.ics", Berlin, British, 2027, 1,
                 {{15, "Ann is  37"}, {16, "Bob"}, {17, "Wedding anniversary"}}},
        // 29 February is kept on the 28th in common years.
        MonthRow{"BirthdayCalendarLeapDayCommonYear", "birthdays.ics", Berlin, British, 2027, 2, {{28, "Lena is  39"}}},
        MonthRow{"BirthdayCalendarLeapDayLeapYear", "birthdays.ics", Berlin, British, 2028, 2, {{29, "Lena is  40"}}},
        // vCard 2.1 quoted-printable names in UTF-8 and ISO-8859-1, 3.0 from
        // Apple (no year) and Google (--MM-DD), 4.0 with escapes, --MMDD, a
        // date-time and a text BDAY (left out).
        MonthRow{"AddressBookJanuary", "contacts.vcf", Berlin, British, 2027, 1,
                 {{3, "Tom Baker is  37"},
                  {5, "Kim Lee is  27"},
                  {7, "Chris Long-Name-Folded is  47"},
                  {9, "Google Style"},
                  {12, "Jürgen Müller is  66"},
                  {18, "Zoë O, Neill"},
                  {20, "François de la Trémoille is  52"},
                  {25, "Ann Smith"}}},
        MonthRow{"AddressBookLeapDayCommonYear", "contacts.vcf", Berlin, British, 2027, 2, {{28, "Leap Lars is  31"}}},
        MonthRow{"AddressBookLeapDayLeapYear", "contacts.vcf", Berlin, British, 2028, 2, {{29, "Leap Lars is  32"}}},
        // Ages count in the year printed, whatever the clock says; none
        // before a person is born, and no age 0.
        MonthRow{"AddressBookLaterYear", "contacts.vcf", Berlin, British, 2040, 1,
                 {{3, "Tom Baker is  50"},
                  {5, "Kim Lee is  40"},
                  {7, "Chris Long-Name-Folded is  60"},
                  {9, "Google Style"},
                  {12, "Jürgen Müller is  79"},
                  {18, "Zoë O, Neill"},
                  {20, "François de la Trémoille is  65"},
                  {25, "Ann Smith"}}},
        MonthRow{"AddressBookBeforeBirths", "contacts.vcf", Berlin, British, 1961, 1,
                 {{9, "Google Style"}, {18, "Zoë O, Neill"}, {25, "Ann Smith"}}}),
    RowName());

struct AgeRow
{
    const char *name;
    int year;
    const char *note;
};

class AgeTest : public ::testing::TestWithParam<AgeRow>
{
};

// The age is reached in the year printed. The years lie on both sides of any
// day the tests run on, so an age taken from the clock fails some row; none
// is given up to the year of birth.
TEST_P(AgeTest, FollowsTheYearPrinted)
{
    const AgeRow &row = GetParam();
    const FilledDays expected = *row.note ? FilledDays{{15, row.note}} : FilledDays{};
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nN:;Ann;;;\r\nBDAY:1990-03-15\r\nEND:VCARD\r\n";
    const QByteArray event = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:ann\r\nSUMMARY:Ann\r\n"
                             "CATEGORIES:BIRTHDAY\r\nDTSTART;VALUE=DATE:19900315\r\nRRULE:FREQ=YEARLY\r\n"
                             "END:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(notesOfMonth(card, row.year, 3, Berlin, British), expected);
    EXPECT_EQ(notesOfMonth(event, row.year, 3, Berlin, British), expected);
}

INSTANTIATE_TEST_SUITE_P(Years, AgeTest,
                         ::testing::Values(AgeRow{"LongBefore", 1900, ""}, AgeRow{"YearBefore", 1989, ""},
                                           AgeRow{"YearOfBirth", 1990, ""}, AgeRow{"First", 1991, "Ann is  1"},
                                           AgeRow{"Thirtysixth", 2026, "Ann is  36"},
                                           AgeRow{"CenturyLater", 2090, "Ann is  100"},
                                           AgeRow{"FarFuture", 2999, "Ann is  1009"}),
                         RowName());

// A yearly rule by weekday without a month reaches beyond its start's month.
TEST(CalendarEventsTest, YearlyWeekdayRulesReachEveryMonthTheyFallIn)
{
    const QByteArray data = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Twentieth\r\n"
                            "DTSTART;VALUE=DATE:20250106\r\nRRULE:FREQ=YEARLY;BYDAY=20MO\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Monday\r\nDTSTART;VALUE=DATE:20270104\r\n"
                            "RRULE:FREQ=YEARLY;BYDAY=MO\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(notesOfMonth(data, 2027, 5, Berlin, British),
              (FilledDays{{3, "Monday"}, {10, "Monday"}, {17, "Twentieth ^ Monday"}, {24, "Monday"}, {31, "Monday"}}));
}

// The rule's calendar scale is kept while the rule is stepped, long after the
// file was read.
TEST(CalendarEventsTest, RuleOfACalendarScaleIsKept)
{
    const QByteArray data = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:leap\r\nSUMMARY:Leap day\r\n"
                            "DTSTART;VALUE=DATE:20240229\r\nRRULE:RSCALE=GREGORIAN;FREQ=YEARLY;SKIP=FORWARD\r\n"
                            "END:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(notesOfMonth(data, 2027, 3, Berlin, British), (FilledDays{{1, "Leap day"}}));
    EXPECT_EQ(notesOfMonth(data, 2028, 2, Berlin, British), (FilledDays{{29, "Leap day"}}));
}

} // namespace
