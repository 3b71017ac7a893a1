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
    {"japaneseNameHoldsADigit", "ja_JP", u"17 3月 1950", QDate(1950, 3, 17)},
    {"japaneseTwelveIsNotTwo", "ja_JP", u"1950 12月 17", QDate(1950, 12, 17)},
    {"japaneseNumericYearFirst", "ja_JP", u"1950/3/17", QDate(1950, 3, 17)},
    {"koreanName", "ko_KR", u"17-3월-1950", QDate(1950, 3, 17)},
    {"chineseTaiwanName", "zh_TW", u"17 3月 1950", QDate(1950, 3, 17)},
    {"chineseName", "zh_CN", u"17 三月 1950", QDate(1950, 3, 17)},
    {"vietnameseNameOfTwoWords", "vi_VN", u"17 tháng 3 1950", QDate(1950, 3, 17)},
    {"vietnameseTenIsNotOne", "vi_VN", u"17 tháng 10 1950", QDate(1950, 10, 17)},
    {"thaiName", "th_TH", u"17 มีนาคม 1950", QDate(1950, 3, 17)},
    {"hindiNameWithMarks", "hi_IN", u"17 मार्च 1950", QDate(1950, 3, 17)},
    {"arabicLevantNameOfTwoWords", "ar_JO", u"17 كانون الثاني 1950", QDate(1950, 1, 17)},
    {"arabicLevantNovemberNotJanuary", "ar_JO", u"17 تشرين الثاني 1950", QDate(1950, 11, 17)},
    {"arabicIndicDigitsAndMarks", "ar_EG", u"\u0661\u0667\u200F/\u0663\u200F/\u0661\u0669\u0665\u0660", QDate(1950, 3, 17)},
    {"irishSeptember", "ga_IE", u"17 Meán Fómhair 1950", QDate(1950, 9, 17)},
    {"decomposedAccent", "fr_FR", u"1 de\u0301cembre 1960", QDate(1960, 12, 1)},
    {"blanksInsideANameCountAsOne", "vi_VN", u"17 tháng\u00A0\u00A03 1950", QDate(1950, 3, 17)},
    {"germanAbbreviationWithoutPoint", "de_DE", u"1 Dez 2004", QDate(2004, 12, 1)},
    {"nameBetweenDashes", "de_DE", u"17-März-1950", QDate(1950, 3, 17)},
    {"japaneseLongFormWithItsMarks", "ja_JP", u"1950年3月17日", QDate(1950, 3, 17)},
    {"spanishWordsBetweenFields", "es_ES", u"17 de marzo de 1950", QDate(1950, 3, 17)},
    {"bulgarianYearMark", "bg_BG", u"17.03.50 г.", QDate(1950, 3, 17)},
    {"chakmaDigitsBeyondTheFirstPlane", "ccp_BD", u"\U00011137\U0001113D/\U00011139/\U00011137\U0001113F\U0001113B\U00011136", QDate(1950, 3, 17)},
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
    {"nameInsideAWord", "en_US", u"1 Marching 2004"},
    {"digitRunsOnANameWithADigit", "vi_VN", u"17 tháng 13 1950"},
    {"wordsOfAnotherLocale", "en_US", u"17 de March de 1950"},
    {"weekdayName", "en_US", u"Friday March 17, 1950"},
    {"minusBeforeYearAfterName", "en_US", u"March 1 -2004"},
    {"threeNumbersAndAName", "en_US", u"1 2 March 2004"},
    {"nothingButAName", "en_US", u"March"},
    {"veryLongText", "en_US", u"March 1, 2004                                                                                                                                                                                                                                                                                  "},
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
    {"year0Is2000", 0, 1, QDate(2000, 1, 1)},
    {"year29Is2029", 29, 6, QDate(2029, 6, 1)},
    {"year30Is1930", 30, 6, QDate(1930, 6, 1)},
    {"year99Is1999", 99, 12, QDate(1999, 12, 1)},
    {"year100AsWritten", 100, 2, QDate(100, 2, 1)},
    {"year2003", 2003, 1, QDate(2003, 1, 1)},
    {"year9999", 9999, 12, QDate(9999, 12, 1)},
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
    {"monthZero", 2003, 0, RuntimeError::InvalidProcedureCall},
    {"monthThirteen", 2003, 13, RuntimeError::InvalidProcedureCall},
    {"monthBeforeYear", -1, 13, RuntimeError::InvalidProcedureCall},
    {"yearMinusOne", -1, 1, RuntimeError::TypeMismatch},
    {"yearMostNegative", -32768, 1, RuntimeError::TypeMismatch},
    {"year10000", 10000, 1, RuntimeError::TypeMismatch},
    {"yearLargest", 32767, 1, RuntimeError::TypeMismatch},
};

INSTANTIATE_TEST_SUITE_P(FirstDay, FirstDayErrorTest, ::testing::ValuesIn(firstDayErrorCases), RowName());

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
TEST(DateReader, NumericDatesReadAsAnyText)
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
