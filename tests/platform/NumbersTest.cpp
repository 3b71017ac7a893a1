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
    {"PlainInteger", u"17", 17},
    {"LeadingBlanks", u"   42", 42},
    {"BlanksInsideDigits", u"1 2 3", 123},
    {"TabIsBlank", u"\t7", 7},
    {"MinusSign", u"-5", -5},
    {"PlusSign", u"+8", 8},
    {"BlankAfterSign", u"- 3", -3},
    {"Decimals", u"3.25", 3.25},
    {"LeadingPoint", u".5", 0.5},
    {"TrailingPoint", u"4.", 4},
    {"Exponent", u"1.5e3", 1500},
    {"UpperExponent", u"2E2", 200},
    {"NegativeExponent", u"25e-1", 2.5},
    {"ExponentLetterD", u"3d2", 300},
    {"ExponentWithoutDigits", u"7e", 7},
    {"ExponentSignWithoutDigits", u"7e+x", 7},
    {"StopsAtLetter", u"17 Planting day", 17},
    {"StopsAtSecondPoint", u"1.2.3", 1.2},
    {"StopsAtSlash", u"3/17/1950", 3},
    {"StopsAtComma", u"1,000", 1},
    {"SecondSignStops", u"5-3", 5},
    {"EmptyText", u"", 0},
    {"OnlyBlanks", u"   ", 0},
    {"LetterFirst", u"HDR 5", 0},
    {"SignAlone", u"-", 0},
    {"PointAlone", u".", 0},
    {"NonAsciiDigitStops", u"1\u0663", 1},
    {"UnderflowIsZero", u"1e-999", 0},
};

INSTANTIATE_TEST_SUITE_P(Val, ValTest, ::testing::ValuesIn(valCases),
                         RowName());

TEST(ValOverflowTest, HugeExponentIsInfinite)
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
    {"MinusZero", "-0", -0.0},
    {"MinusZeroWithBlanks", " - 0 0", -0.0},
    {"PlusZero", "+0", 0.0},
    {"LeadingZeros", "007", 7},
    {"BlanksAndTabsInside", "\t3 \t1 x", 31},
    {"FifteenDigits", "999999999999999", 999999999999999.0},
    {"SixteenDigitsRoundToEven", "9007199254740993", 9007199254740992.0},
    {"TwentyDigits", "12345678901234567890", 12345678901234567890.0},
    {"TwentyLeadingZeros", "000000000000000000001", 1},
    {"IntegerThenPoint", "12.", 12},
    {"IntegerThenHalf", "32767.5", 32767.5},
    {"IntegerThenBlankPoint", "12 .5", 12.5},
    {"IntegerThenExponent", "12 e 1", 120},
    {"IntegerThenExponentLetterD", "12D1", 120},
    {"IntegerThenLoneE", "12e", 12},
    {"IntegerThenSlash", "3/17/1950", 3},
    {"IntegerThenComma", "2,5", 2},
    {"IntegerThenHexMark", "12&H1F", 12},
    {"HexMarkFirst", "&H1F", 0},
    {"SignThenLetter", "-x", 0},
    {"TwoSigns", "--5", 0},
    {"LatinByteEnds", "12\xE9" "3", 12},
    {"ByteAbove127IsNoBlank", "\xA0" "5", 0},
    {"HugeInteger", "1e400", HUGE_VAL},
    {"HugeNegative", "-1e400", -HUGE_VAL},
    {"TinyIsZero", "1e-400", 0},
    {"OverflowingDigits", "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
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
    {"Zero", 0, 0},
    {"BelowHalf", 2.4, 2},
    {"AboveHalf", 2.6, 3},
    {"HalfToEvenDown", 2.5, 2},
    {"HalfToEvenUp", 3.5, 4},
    {"HalfOfZero", 0.5, 0},
    {"OneAndAHalf", 1.5, 2},
    {"NegativeHalfToEven", -2.5, -2},
    {"NegativeHalfUp", -3.5, -4},
    {"NegativeHalfOfZero", -0.5, 0},
    {"NegativeBelowHalf", -0.6, -1},
    {"TopEdge", 32767, 32767},
    {"TopEdgeRoundedDown", 32767.4, 32767},
    {"BottomEdge", -32768, -32768},
    {"BottomEdgeHalf", -32768.5, -32768},
    {"BelowTopHalf", 32766.5, 32766},
};

INSTANTIATE_TEST_SUITE_P(CInt, CIntTest, ::testing::ValuesIn(cintCases), RowName());

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
    {"TopHalfRoundsOut", 32767.5},
    {"JustAboveTop", 32768},
    {"JustBelowBottom", -32768.6},
    {"FarBelowBottom", -40000},
    {"Infinity", HUGE_VAL},
    {"NotANumber", std::nan("")},
};

INSTANTIATE_TEST_SUITE_P(CInt, CIntOverflowTest, ::testing::ValuesIn(overflowCases),
                         RowName());

TEST(Int16ArithmeticTest, StaysInRange)
{
    EXPECT_EQ(addInt16(32766, 1), 32767);
    EXPECT_EQ(addInt16(-32767, -1), -32768);
    EXPECT_EQ(mulInt16(4681, 7), 32767);
    EXPECT_EQ(mulInt16(-4681, 7), -32767);
}

TEST(Int16ArithmeticTest, RaisesOverflowOutsideRange)
{
    EXPECT_RUNTIME_ERROR(addInt16(32767, 1), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(addInt16(-32768, -1), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(mulInt16(4682, 7), RuntimeError::Overflow);
    EXPECT_RUNTIME_ERROR(mulInt16(-4682, 7), RuntimeError::Overflow);
}

} // namespace
