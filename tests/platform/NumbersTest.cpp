// SPDX-License-Identifier: MIT
#include "platform/Numbers.h"
#include "tests/support/RowName.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QString>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct ValCase
{
    const char *name;
    const char16_t *text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase>
{
};

TEST_P(ValTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Val(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

const ValCase valCases[] = {
    {"plainInteger", u"17", 17},
    {"leadingBlanks", u"   42", 42},
    {"blanksInsideDigits", u"1 2 3", 123},
    {"tabIsBlank", u"\t7", 7},
    {"minusSign", u"-5", -5},
    {"plusSign", u"+8", 8},
    {"blankAfterSign", u"- 3", -3},
    {"decimals", u"3.25", 3.25},
    {"leadingPoint", u".5", 0.5},
    {"trailingPoint", u"4.", 4},
    {"exponent", u"1.5e3", 1500},
    {"upperExponent", u"2E2", 200},
    {"negativeExponent", u"25e-1", 2.5},
    {"exponentLetterD", u"3d2", 300},
    {"exponentWithoutDigits", u"7e", 7},
    {"exponentSignWithoutDigits", u"7e+x", 7},
    {"stopsAtLetter", u"17 Planting day", 17},
    {"stopsAtSecondPoint", u"1.2.3", 1.2},
    {"stopsAtSlash", u"3/17/1950", 3},
    {"stopsAtComma", u"1,000", 1},
    {"secondSignStops", u"5-3", 5},
    {"emptyText", u"", 0},
    {"onlyBlanks", u"   ", 0},
    {"letterFirst", u"HDR 5", 0},
    {"signAlone", u"-", 0},
    {"pointAlone", u".", 0},
    {"nonAsciiDigitStops", u"1\u0663", 1},
    {"underflowIsZero", u"1e-999", 0},
};

INSTANTIATE_TEST_SUITE_P(Val, ValTest, ::testing::ValuesIn(valCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ValOverflow, HugeExponentIsInfinite)
{
    EXPECT_TRUE(std::isinf(Val(u"1e999")));
    EXPECT_LT(Val(u"-1e999"), 0);
}

// Where reading a plain integer in place meets reading the number's text:
// both must give the very same double, the sign of zero included, from a
// text and from its bytes.
struct ExactCase
{
    const char *name;
    const char *text;
    double expected;
};

class ValExactTest : public ::testing::TestWithParam<ExactCase>
{
};

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_P(ValExactTest, TextAndBytesGiveTheSameDouble)
{
    const ExactCase &row = GetParam();
    const double fromText = Val(QString::fromLatin1(row.text));
    const double fromBytes = Val(QLatin1StringView(row.text));
    EXPECT_TRUE(sameDouble(fromText, row.expected)) << fromText;
    EXPECT_TRUE(sameDouble(fromBytes, row.expected)) << fromBytes;
}

const ExactCase exactCases[] = {
    {"minusZero", "-0", -0.0},
    {"minusZeroWithBlanks", " - 0 0", -0.0},
    {"plusZero", "+0", 0.0},
    {"leadingZeros", "007", 7},
    {"blanksAndTabsInside", "\t3 \t1 x", 31},
    {"fifteenDigits", "999999999999999", 999999999999999.0},
    {"sixteenDigitsRoundToEven", "9007199254740993", 9007199254740992.0},
    {"twentyDigits", "12345678901234567890", 12345678901234567890.0},
    {"twentyLeadingZeros", "000000000000000000001", 1},
    {"integerThenPoint", "12.", 12},
    {"integerThenHalf", "32767.5", 32767.5},
    {"integerThenBlankPoint", "12 .5", 12.5},
    {"integerThenExponent", "12 e 1", 120},
    {"integerThenExponentLetterD", "12D1", 120},
    {"integerThenLoneE", "12e", 12},
    {"integerThenSlash", "3/17/1950", 3},
    {"integerThenComma", "2,5", 2},
    {"integerThenHexMark", "12&H1F", 12},
    {"hexMarkFirst", "&H1F", 0},
    {"signThenLetter", "-x", 0},
    {"twoSigns", "--5", 0},
    {"latinByteEnds", "12\xE9" "3", 12},
    {"byteAbove127IsNoBlank", "\xA0" "5", 0},
    {"hugeInteger", "1e400", HUGE_VAL},
    {"hugeNegative", "-1e400", -HUGE_VAL},
    {"tinyIsZero", "1e-400", 0},
    {"overflowingDigits", "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
                          "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
                          "99999999999999999999999999999999999999999999999999999999999", HUGE_VAL},
};

INSTANTIATE_TEST_SUITE_P(Val, ValExactTest, ::testing::ValuesIn(exactCases), RowName());

struct CIntCase
{
    const char *name;
    double value;
    int expected;
};

class CIntTest : public ::testing::TestWithParam<CIntCase>
{
};

TEST_P(CIntTest, RoundsHalvesToEven)
{
    EXPECT_EQ(CInt(GetParam().value), GetParam().expected);
    EXPECT_EQ(roundedInt16(GetParam().value), GetParam().expected);
}

const CIntCase cintCases[] = {
    {"zero", 0, 0},
    {"below half", 2.4, 2},
    {"above half", 2.6, 3},
    {"half to even down", 2.5, 2},
    {"half to even up", 3.5, 4},
    {"half of zero", 0.5, 0},
    {"one and a half", 1.5, 2},
    {"negative half to even", -2.5, -2},
    {"negative half up", -3.5, -4},
    {"negative half of zero", -0.5, 0},
    {"negative below half", -0.6, -1},
    {"top edge", 32767, 32767},
    {"top edge rounded down", 32767.4, 32767},
    {"bottom edge", -32768, -32768},
    {"bottom edge half", -32768.5, -32768},
    {"below top half", 32766.5, 32766},
};

INSTANTIATE_TEST_SUITE_P(CInt, CIntTest, ::testing::ValuesIn(cintCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

struct OverflowCase
{
    const char *name;
    double value;
};

class CIntOverflowTest : public ::testing::TestWithParam<OverflowCase>
{
};

TEST_P(CIntOverflowTest, RaisesOverflow)
{
    EXPECT_RUNTIME_ERROR(CInt(GetParam().value), RuntimeError::Overflow);
    EXPECT_EQ(roundedInt16(GetParam().value), std::nullopt);
}

const OverflowCase overflowCases[] = {
    {"topHalfRoundsOut", 32767.5},
    {"justAboveTop", 32768},
    {"justBelowBottom", -32768.6},
    {"farBelowBottom", -40000},
    {"infinity", HUGE_VAL},
    {"notANumber", std::nan("")},
};

INSTANTIATE_TEST_SUITE_P(CInt, CIntOverflowTest, ::testing::ValuesIn(overflowCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Int16Arithmetic, StaysInRange)
{
    EXPECT_EQ(addInt16(32766, 1), 32767);
    EXPECT_EQ(addInt16(-32767, -1), -32768);
    EXPECT_EQ(mulInt16(4681, 7), 32767);
    EXPECT_EQ(mulInt16(-4681, 7), -32767);
}

TEST(Int16Arithmetic, RaisesOverflowOutsideRange)
{
    EXPECT_RUNTIME_ERROR(addInt16(32767, 1), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(addInt16(-32768, -1), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(mulInt16(4682, 7), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(mulInt16(-4682, 7), RuntimeError::Overflow);
}

} // namespace
