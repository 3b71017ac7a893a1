// SPDX-License-Identifier: MIT
#include "platform/DateReader.h"
#include "platform/Dates.h"
#include "tests/support/RowName.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;

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
    {"UsMonthFirst", "en_US", u"3/17/1950", QDate(1950, 3, 17)},
    {"GbDayFirst", "en_GB", u"17/3/1950", QDate(1950, 3, 17)},
    {"GbReadsUsTextDayFirst", "en_GB", u"3/12/1950", QDate(1950, 12, 3)},
    {"UsReadsSameTextMonthFirst", "en_US", u"3/12/1950", QDate(1950, 3, 12)},
    {"GermanDots", "de_DE", u"17.3.1950", QDate(1950, 3, 17)},
    {"DashSeparators", "en_US", u"3-17-1950", QDate(1950, 3, 17)},
    {"IsoInUs", "en_US", u"2004-03-01", QDate(2004, 3, 1)},
    {"IsoInGb", "en_GB", u"2004-03-01", QDate(2004, 3, 1)},
    {"FullEnglishName", "en_US", u"March 1, 2004", QDate(2004, 3, 1)},
    {"AbbreviatedName", "en_US", u"Mar 1, 2004", QDate(2004, 3, 1)},
    {"AbbreviationWithPoint", "en_US", u"Sep. 9, 1999", QDate(1999, 9, 9)},
    {"NameIgnoresCase", "en_US", u"MARCH 1 2004", QDate(2004, 3, 1)},
    {"DayBeforeName", "en_GB", u"1 March 2004", QDate(2004, 3, 1)},
    {"YearFirstWithName", "en_US", u"2004 March 1", QDate(2004, 3, 1)},
    {"DayGluedToName", "en_US", u"17Mar1950", QDate(1950, 3, 17)},
    {"GermanName", "de_DE", u"1. März 2004", QDate(2004, 3, 1)},
    {"EnglishNameUnderGerman", "de_DE", u"March 1, 2004", QDate(2004, 3, 1)},
    {"FrenchName", "fr_FR", u"1 décembre 1960", QDate(1960, 12, 1)},
    {"NameAndYearOnly", "en_US", u"March 2004", QDate(2004, 3, 1)},
    {"NameAndDayTakesTodaysYear", "en_US", u"March 17", QDate(2026, 3, 17)},
    {"NumericWithoutYearUs", "en_US", u"3/17", QDate(2026, 3, 17)},
    {"NumericWithoutYearGb", "en_GB", u"17/3", QDate(2026, 3, 17)},
    {"TwoDigitYearZero", "en_US", u"1/2/00", QDate(2000, 1, 2)},
    {"TwoDigitYear29", "en_US", u"1/2/29", QDate(2029, 1, 2)},
    {"TwoDigitYear30", "en_US", u"1/2/30", QDate(1930, 1, 2)},
    {"TwoDigitYear99", "en_US", u"1/2/99", QDate(1999, 1, 2)},
    {"TwoDigitYearWithName", "en_US", u"March 1, 04", QDate(2004, 3, 1)},
    {"Year100", "en_US", u"1/2/100", QDate(100, 1, 2)},
    {"Year9999", "en_US", u"12/31/9999", QDate(9999, 12, 31)},
    {"LeapDay", "en_US", u"2/29/2004", QDate(2004, 2, 29)},
    {"SurroundingBlanks", "en_US", u"  3/17/1950  ", QDate(1950, 3, 17)},
    {"JapaneseNameHoldsADigit", "ja_JP", u"17 3月 1950", QDate(1950, 3, 17)},
    {"JapaneseTwelveIsNotTwo", "ja_JP", u"1950 12月 17", QDate(1950, 12, 17)},
    {"JapaneseNumericYearFirst", "ja_JP", u"1950/3/17", QDate(1950, 3, 17)},
    {"KoreanName", "ko_KR", u"17-3월-1950", QDate(1950, 3, 17)},
    {"ChineseTaiwanName", "zh_TW", u"17 3月 1950", QDate(1950, 3, 17)},
    {"ChineseName", "zh_CN", u"17 三月 1950", QDate(1950, 3, 17)},
    {"VietnameseNameOfTwoWords", "vi_VN", u"17 tháng 3 1950", QDate(1950, 3, 17)},
    {"VietnameseTenIsNotOne", "vi_VN", u"17 tháng 10 1950", QDate(1950, 10, 17)},
    {"ThaiName", "th_TH", u"17 มีนาคม 1950", QDate(1950, 3, 17)},
    {"HindiNameWithMarks", "hi_IN", u"17 मार्च 1950", QDate(1950, 3, 17)},
    {"ArabicLevantNameOfTwoWords", "ar_JO", u"17 كانون الثاني 1950", QDate(1950, 1, 17)},
    {"ArabicLevantNovemberNotJanuary", "ar_JO", u"17 تشرين الثاني 1950", QDate(1950, 11, 17)},
    {"ArabicIndicDigitsAndMarks", "ar_EG", u"\u0661\u0667\u200F/\u0663\u200F/\u0661\u0669\u0665\u0660", QDate(1950, 3, 17)},
    {"IrishSeptember", "ga_IE", u"17 Meán Fómhair 1950", QDate(1950, 9, 17)},
    {"DecomposedAccent", "fr_FR", u"1 de\u0301cembre 1960", QDate(1960, 12, 1)},
    {"BlanksInsideANameCountAsOne", "vi_VN", u"17 tháng\u00A0\u00A03 1950", QDate(1950, 3, 17)},
    {"GermanAbbreviationWithoutPoint", "de_DE", u"1 Dez 2004", QDate(2004, 12, 1)},
    {"NameBetweenDashes", "de_DE", u"17-März-1950", QDate(1950, 3, 17)},
    {"JapaneseLongFormWithItsMarks", "ja_JP", u"1950年3月17日", QDate(1950, 3, 17)},
    {"SpanishWordsBetweenFields", "es_ES", u"17 de marzo de 1950", QDate(1950, 3, 17)},
    {"BulgarianYearMark", "bg_BG", u"17.03.50 г.", QDate(1950, 3, 17)},
    {"ChakmaDigitsBeyondTheFirstPlane", "ccp_BD", u"\U00011137\U0001113D/\U00011139/\U00011137\U0001113F\U0001113B\U00011136", QDate(1950, 3, 17)},
};

INSTANTIATE_TEST_SUITE_P(DateValue, DateValueTest, ::testing::ValuesIn(dateCases),
                         RowName());

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
    {"Empty", "en_US", u""},
    {"Blanks", "en_US", u"   "},
    {"Word", "en_US", u"tomorrow"},
    {"SingleNumber", "en_US", u"1950"},
    {"DayFirstUnderUs", "en_US", u"17/3/1950"},
    {"MonthFirstUnderGb", "en_GB", u"3/17/1950"},
    {"NoLeapDay", "en_US", u"2/29/2003"},
    {"DayZero", "en_US", u"3/0/1950"},
    {"MonthThirteen", "en_US", u"13/1/1950"},
    {"NegativeYear", "en_US", u"January 1, -5"},
    {"NegativeNumericYear", "en_US", u"1/1/-5"},
    {"LeadingMinus", "en_US", u"-1/1/1950"},
    {"Year99999", "en_US", u"1/1/99999"},
    {"ThreeDigitYearBelow100", "en_US", u"1/1/050"},
    {"UnknownName", "en_US", u"Smarch 1, 2004"},
    {"TwoNames", "en_US", u"March April 2004"},
    {"FourFields", "en_US", u"1/2/3/2004"},
    {"OtherPunctuation", "en_US", u"3:17:1950"},
    {"PlusSign", "en_US", u"+3/17/1950"},
    {"NumberTooLong", "en_US", u"3/17/99999999999999999999"},
    {"NameInsideAWord", "en_US", u"1 Marching 2004"},
    {"DigitRunsOnANameWithADigit", "vi_VN", u"17 tháng 13 1950"},
    {"WordsOfAnotherLocale", "en_US", u"17 de March de 1950"},
    {"WeekdayName", "en_US", u"Friday March 17, 1950"},
    {"MinusBeforeYearAfterName", "en_US", u"March 1 -2004"},
    {"ThreeNumbersAndAName", "en_US", u"1 2 March 2004"},
    {"NothingButAName", "en_US", u"March"},
    {"VeryLongText", "en_US", u"March 1, 2004                                                                                                                                                                                                                                                                                  "},
};

INSTANTIATE_TEST_SUITE_P(DateValue, DateValueInvalidTest, ::testing::ValuesIn(invalidCases),
                         RowName());

struct FirstDayCase
{
    const char *name;
    int Yr;
    int Mt;
    QDate expected;
};

class FirstDayTest : public ::testing::TestWithParam<FirstDayCase>
{
};

TEST_P(FirstDayTest, FollowsTheYearRules)
{
    EXPECT_EQ(firstDayOfMonth(GetParam().Yr, GetParam().Mt), GetParam().expected);
}

const FirstDayCase firstDayCases[] = {
    {"Year0Is2000", 0, 1, QDate(2000, 1, 1)},
    {"Year29Is2029", 29, 6, QDate(2029, 6, 1)},
    {"Year30Is1930", 30, 6, QDate(1930, 6, 1)},
    {"Year99Is1999", 99, 12, QDate(1999, 12, 1)},
    {"Year100AsWritten", 100, 2, QDate(100, 2, 1)},
    {"Year2003", 2003, 1, QDate(2003, 1, 1)},
    {"Year9999", 9999, 12, QDate(9999, 12, 1)},
};

INSTANTIATE_TEST_SUITE_P(FirstDay, FirstDayTest, ::testing::ValuesIn(firstDayCases), RowName());

struct FirstDayErrorCase
{
    const char *name;
    int Yr;
    int Mt;
    RuntimeError::Number error;
};

class FirstDayErrorTest : public ::testing::TestWithParam<FirstDayErrorCase>
{
};

TEST_P(FirstDayErrorTest, Raises)
{
    EXPECT_RUNTIME_ERROR(firstDayOfMonth(GetParam().Yr, GetParam().Mt), GetParam().error);
}

const FirstDayErrorCase firstDayErrorCases[] = {
    {"MonthZero", 2003, 0, RuntimeError::InvalidProcedureCall},
    {"MonthThirteen", 2003, 13, RuntimeError::InvalidProcedureCall},
    {"MonthBeforeYear", -1, 13, RuntimeError::InvalidProcedureCall},
    {"YearMinusOne", -1, 1, RuntimeError::TypeMismatch},
    {"YearMostNegative", -32768, 1, RuntimeError::TypeMismatch},
    {"Year10000", 10000, 1, RuntimeError::TypeMismatch},
    {"YearLargest", 32767, 1, RuntimeError::TypeMismatch},
};

INSTANTIATE_TEST_SUITE_P(FirstDay, FirstDayErrorTest, ::testing::ValuesIn(firstDayErrorCases), RowName());

TEST(MonthNameTest, IsTheLocalesFullStandaloneName)
{
    EXPECT_EQ(MonthName(3, QLocale(QLocale::English, QLocale::UnitedStates)), u"March");
    EXPECT_EQ(MonthName(12, QLocale(QLocale::German, QLocale::Germany)), u"Dezember");
}

TEST(MonthNameTest, RaisesInvalidProcedureCallOutsideTheYear)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_RUNTIME_ERROR(MonthName(0, english), RuntimeError::InvalidProcedureCall);
    EXPECT_RUNTIME_ERROR(MonthName(13, english), RuntimeError::InvalidProcedureCall);
}

TEST(WeekdayTest, CountsFromSunday)
{
    EXPECT_EQ(Weekday(QDate(2004, 2, 29)), 1);
    EXPECT_EQ(Weekday(QDate(2004, 3, 1)), 2);
    EXPECT_EQ(Weekday(QDate(2004, 3, 6)), 7);
}

TEST(DaysInMonthTest, FollowsLeapYears)
{
    EXPECT_EQ(daysInMonth(2004, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2004, 4), 30);
}

std::optional<QDate> readOrNothing(DateReader &reader, const QString &text)
{
    try {
        return reader.read(text);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// Numeric dates are read in place; with a tab after them (white space like
// a blank) they go the way of every other text. Both ways give one result.
TEST(DateReaderTest, NumericDatesReadAsAnyText)
{
    const QStringList numbers = {u"0"_s, u"7"_s, u"12"_s, u"31"_s, u"99"_s, u"050"_s, u"1950"_s, u"99999999999"_s};
    const QStringList separators = {u"/"_s, u"-"_s, u"."_s, u", "_s, u" - "_s, u"--"_s};
    QStringList texts;
    for (const QString &a : numbers) {
        for (const QString &s : separators) {
            for (const QString &b : numbers) {
                texts.append(a + s + b);
                texts.append(u"-"_s + a + s + b);
                for (const QString &t : separators) {
                    for (const QString &c : numbers)
                        texts.append(a + s + b + t + c);
                }
            }
        }
    }
    for (const char *name : {"en_US", "en_GB", "hu_HU"}) {
        DateReader reader(QLocale(QString::fromLatin1(name)), today);
        int dates = 0;
        for (const QString &text : texts) {
            const std::optional<QDate> inPlace = readOrNothing(reader, text);
            ASSERT_EQ(inPlace, readOrNothing(reader, text + u'\t')) << name << " " << text.toStdString();
            dates += inPlace.has_value();
        }
        EXPECT_GT(dates, 100) << name;
    }
}

} // namespace
