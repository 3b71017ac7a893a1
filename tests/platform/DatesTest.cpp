#include "platform/Dates.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 8);

struct DateCase
{
    const char *name;
    const char *locale;
    const char16_t *text;
    QDate expected;
};

class DateValueTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(DateValueTest, ReadsTheDate)
{
    const DateCase &c = GetParam();
    EXPECT_EQ(DateValue(QString::fromUtf16(c.text), QLocale(QString::fromLatin1(c.locale)), today), c.expected);
}

const DateCase dateCases[] = {
    {"usMonthFirst", "en_US", u"3/17/1950", QDate(1950, 3, 17)},
    {"gbDayFirst", "en_GB", u"17/3/1950", QDate(1950, 3, 17)},
    {"gbReadsUsTextDayFirst", "en_GB", u"3/12/1950", QDate(1950, 12, 3)},
    {"usReadsSameTextMonthFirst", "en_US", u"3/12/1950", QDate(1950, 3, 12)},
    {"germanDots", "de_DE", u"17.3.1950", QDate(1950, 3, 17)},
    {"dashSeparators", "en_US", u"3-17-1950", QDate(1950, 3, 17)},
    {"isoInUs", "en_US", u"2004-03-01", QDate(2004, 3, 1)},
    {"isoInGb", "en_GB", u"2004-03-01", QDate(2004, 3, 1)},
    {"fullEnglishName", "en_US", u"March 1, 2004", QDate(2004, 3, 1)},
    {"abbreviatedName", "en_US", u"Mar 1, 2004", QDate(2004, 3, 1)},
    {"abbreviationWithPoint", "en_US", u"Sep. 9, 1999", QDate(1999, 9, 9)},
    {"nameIgnoresCase", "en_US", u"MARCH 1 2004", QDate(2004, 3, 1)},
    {"dayBeforeName", "en_GB", u"1 March 2004", QDate(2004, 3, 1)},
    {"yearFirstWithName", "en_US", u"2004 March 1", QDate(2004, 3, 1)},
    {"dayGluedToName", "en_US", u"17Mar1950", QDate(1950, 3, 17)},
    {"germanName", "de_DE", u"1. März 2004", QDate(2004, 3, 1)},
    {"englishNameUnderGerman", "de_DE", u"March 1, 2004", QDate(2004, 3, 1)},
    {"frenchName", "fr_FR", u"1 décembre 1960", QDate(1960, 12, 1)},
    {"nameAndYearOnly", "en_US", u"March 2004", QDate(2004, 3, 1)},
    {"nameAndDayTakesTodaysYear", "en_US", u"March 17", QDate(2026, 3, 17)},
    {"numericWithoutYearUs", "en_US", u"3/17", QDate(2026, 3, 17)},
    {"numericWithoutYearGb", "en_GB", u"17/3", QDate(2026, 3, 17)},
    {"twoDigitYearZero", "en_US", u"1/2/00", QDate(2000, 1, 2)},
    {"twoDigitYear29", "en_US", u"1/2/29", QDate(2029, 1, 2)},
    {"twoDigitYear30", "en_US", u"1/2/30", QDate(1930, 1, 2)},
    {"twoDigitYear99", "en_US", u"1/2/99", QDate(1999, 1, 2)},
    {"twoDigitYearWithName", "en_US", u"March 1, 04", QDate(2004, 3, 1)},
    {"year100", "en_US", u"1/2/100", QDate(100, 1, 2)},
    {"year9999", "en_US", u"12/31/9999", QDate(9999, 12, 31)},
    {"leapDay", "en_US", u"2/29/2004", QDate(2004, 2, 29)},
    {"surroundingBlanks", "en_US", u"  3/17/1950  ", QDate(1950, 3, 17)},
};

INSTANTIATE_TEST_SUITE_P(DateValue, DateValueTest, ::testing::ValuesIn(dateCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct InvalidCase
{
    const char *name;
    const char *locale;
    const char16_t *text;
};

class DateValueInvalidTest : public ::testing::TestWithParam<InvalidCase>
{
};

TEST_P(DateValueInvalidTest, RaisesTypeMismatch)
{
    const InvalidCase &c = GetParam();
    EXPECT_RUNTIME_ERROR(DateValue(QString::fromUtf16(c.text), QLocale(QString::fromLatin1(c.locale)), today),
                         RuntimeError::TypeMismatch);
}

const InvalidCase invalidCases[] = {
    {"empty", "en_US", u""},
    {"blanks", "en_US", u"   "},
    {"word", "en_US", u"tomorrow"},
    {"singleNumber", "en_US", u"1950"},
    {"dayFirstUnderUs", "en_US", u"17/3/1950"},
    {"monthFirstUnderGb", "en_GB", u"3/17/1950"},
    {"noLeapDay", "en_US", u"2/29/2003"},
    {"dayZero", "en_US", u"3/0/1950"},
    {"monthThirteen", "en_US", u"13/1/1950"},
    {"negativeYear", "en_US", u"January 1, -5"},
    {"negativeNumericYear", "en_US", u"1/1/-5"},
    {"leadingMinus", "en_US", u"-1/1/1950"},
    {"year99999", "en_US", u"1/1/99999"},
    {"threeDigitYearBelow100", "en_US", u"1/1/050"},
    {"unknownName", "en_US", u"Smarch 1, 2004"},
    {"twoNames", "en_US", u"March April 2004"},
    {"fourFields", "en_US", u"1/2/3/2004"},
    {"otherPunctuation", "en_US", u"3:17:1950"},
    {"plusSign", "en_US", u"+3/17/1950"},
    {"numberTooLong", "en_US", u"3/17/99999999999999999999"},
};

INSTANTIATE_TEST_SUITE_P(DateValue, DateValueInvalidTest, ::testing::ValuesIn(invalidCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MonthName, IsTheLocalesFullStandaloneName)
{
    EXPECT_EQ(MonthName(3, QLocale(QLocale::English, QLocale::UnitedStates)), u"March");
    EXPECT_EQ(MonthName(12, QLocale(QLocale::German, QLocale::Germany)), u"Dezember");
}

TEST(MonthName, RaisesInvalidProcedureCallOutsideTheYear)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_RUNTIME_ERROR(MonthName(0, english), RuntimeError::InvalidProcedureCall);
    EXPECT_RUNTIME_ERROR(MonthName(13, english), RuntimeError::InvalidProcedureCall);
}

TEST(Weekday, CountsFromSunday)
{
    EXPECT_EQ(Weekday(QDate(2004, 2, 29)), 1);
    EXPECT_EQ(Weekday(QDate(2004, 3, 1)), 2);
    EXPECT_EQ(Weekday(QDate(2004, 3, 6)), 7);
}

TEST(DaysInMonth, FollowsLeapYears)
{
    EXPECT_EQ(daysInMonth(2004, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2004, 4), 30);
}

} // namespace
