// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/RowName.h"

#include "drawing/PlaceMonth.h"
#include "platform/RuntimeError.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <gtest/gtest.h>
#include <array>

namespace {

// The print job's values.
constexpr qint16 Mx = 600;
constexpr qint16 My = 4550;
constexpr qint16 bLeft = 220;
const QString CalendarFont = QStringLiteral("Times");

constexpr std::array<int, 6> RuleY = {4850, 6530, 8210, 9890, 11570, 13250};
constexpr std::array<int, 7> HeadRightEdge = {1800, 3384, 4968, 6552, 8136, 9720, 11304};
constexpr std::array<int, 7> SingleDigitX = {1630, 3210, 4790, 6370, 7950, 9530, 11110};
constexpr std::array<int, 7> TwoDigitX = {1550, 3130, 4710, 6290, 7870, 9450, 11030};
constexpr std::array<int, 6> WeekRowY = {4930, 6610, 8290, 9970, 11650, 13330};
const QStringList Heads = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool isGridText(const PageText &text)
{
    return text.pointSize == 12;
}

QList<PageText> dayNumbersOf(const Page &page)
{
    QList<PageText> numbers;
    for (const PageText &text : textsOf(page)) {
        if (isGridText(text) && !Heads.contains(text.text))
            numbers.append(text);
    }
    return numbers;
}

QList<PageText> notesOf(const Page &page)
{
    QList<PageText> notes;
    for (const PageText &text : textsOf(page)) {
        if (!isGridText(text))
            notes.append(text);
    }
    return notes;
}

void placeMonth(PrintSurface &surface, const DayNotes &notes, qint16 Yr, qint16 Mt)
{
    PlaceMonth(surface, notes, Yr, Mt, Mx, My, CalendarFont, bLeft);
}

TEST(PlaceMonthTest, SixRulesAcrossTheGrid)
{
    PrintTarget target;
    placeMonth(target.surface(), DayNotes(), 2003, 1);
    const QList<PageLine> rules = linesOf(target.surface().page());
    ASSERT_EQ(rules.size(), qsizetype(RuleY.size()));
    for (size_t i = 0; i < RuleY.size(); ++i) {
        EXPECT_EQ(rules[i].from, QPointF(300, RuleY[i])) << "rule " << i;
        EXPECT_EQ(rules[i].to, QPointF(11380, RuleY[i])) << "rule " << i;
        EXPECT_EQ(rules[i].width, 12);
        EXPECT_EQ(rules[i].color, QColor(Qt::black));
    }
}

TEST(PlaceMonthTest, WeekdayHeadsEndOnTheirColumnEdges)
{
    PrintTarget target;
    placeMonth(target.surface(), DayNotes(), 2003, 1);
    QList<PageText> heads;
    for (const PageText &text : textsOf(target.surface().page())) {
        if (Heads.contains(text.text))
            heads.append(text);
    }
    ASSERT_EQ(heads.size(), 7);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(heads[k].text, Heads[k]);
        EXPECT_EQ(heads[k].fontName, CalendarFont);
        EXPECT_EQ(heads[k].pointSize, 12);
        EXPECT_EQ(heads[k].pos.y(), 4530);
        EXPECT_NEAR(heads[k].pos.x() + widthOf(heads[k].text, CalendarFont, 12), HeadRightEdge[k], 0.01) << Heads[k].toStdString();
    }
}

struct MonthCase
{
    const char *name;
    qint16 Yr;
    qint16 Mt;
    int days;
    int startColumn;
    int weekRows;
};

void PrintTo(const MonthCase &row, std::ostream *os)
{
    *os << row.name;
}

class MonthDaysTest : public ::testing::TestWithParam<MonthCase>
{
};

TEST_P(MonthDaysTest, DayNumbersSitInTheirCells)
{
    const MonthCase &row = GetParam();
    PrintTarget target;
    placeMonth(target.surface(), DayNotes(), row.Yr, row.Mt);

    const QList<PageText> numbers = dayNumbersOf(target.surface().page());
    ASSERT_EQ(numbers.size(), row.days);
    int lastRow = 0;
    for (int d = 1; d <= row.days; ++d) {
        const PageText &number = numbers[d - 1];
        const int cell = row.startColumn + d - 1;
        const int column = cell % 7;
        lastRow = cell / 7;
        EXPECT_EQ(number.text, QString::number(d));
        EXPECT_EQ(number.fontName, CalendarFont) << "day " << d;
        EXPECT_EQ(number.pos.x(), d <= 9 ? SingleDigitX[column] : TwoDigitX[column]) << "day " << d;
        EXPECT_EQ(number.pos.y(), WeekRowY[lastRow]) << "day " << d;
    }
    EXPECT_EQ(lastRow + 1, row.weekRows);
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthDaysTest,
    ::testing::Values(MonthCase{"January2003", 2003, 1, 31, 3, 5},
                      MonthCase{"February2009FourRows", 2009, 2, 28, 0, 4},
                      MonthCase{"August2003SixRows", 2003, 8, 31, 5, 6},
                      MonthCase{"November2003SixRows", 2003, 11, 30, 6, 6},
                      MonthCase{"February1900CenturyNotLeap", 1900, 2, 28, 4, 5},
                      MonthCase{"February2000CenturyLeap", 2000, 2, 29, 2, 5},
                      MonthCase{"February2003", 2003, 2, 28, 6, 5},
                      MonthCase{"February2004Leap", 2004, 2, 29, 0, 5},
                      MonthCase{"TwoDigitYear0Is2000", 0, 2, 29, 2, 5},
                      MonthCase{"TwoDigitYear29Is2029", 29, 2, 28, 4, 5},
                      MonthCase{"TwoDigitYear30Is1930", 30, 2, 28, 6, 5},
                      MonthCase{"TwoDigitYear99Is1999", 99, 12, 31, 3, 5},
                      MonthCase{"Year100AsWritten", 100, 2, 28, 1, 5},
                      MonthCase{"Year9999LastMonth", 9999, 12, 31, 3, 5}),
    RowName());

TEST(PlaceMonthTest, NotesGoIntoTheirDaysCell)
{
    DayNotes notes;
    notes[0] = QStringLiteral("Dentist ^ Call Anna");
    notes[14] = QStringLiteral("Payday");
    PrintTarget target;
    placeMonth(target.surface(), notes, 2003, 1);

    const QList<PageText> placed = notesOf(target.surface().page());
    ASSERT_EQ(placed.size(), 3);
    // Day 1 is a Wednesday, day 15 too, one row lower per week.
    const float dayOneRight = SingleDigitX[3] + widthOf(QStringLiteral("1"), CalendarFont, 12);
    const float dayFifteenRight = TwoDigitX[3] + widthOf(QStringLiteral("15"), CalendarFont, 12);
    const float lineHeight = [] {
        PrintTarget measure;
        measure.surface().setFontName(QStringLiteral("Arial"));
        measure.surface().setFontSize(8);
        return measure.surface().lineHeight();
    }();
    EXPECT_EQ(placed[0].text, QStringLiteral(" Dentist"));
    EXPECT_NEAR(placed[0].pos.x(), dayOneRight - 1350, 0.01);
    EXPECT_EQ(placed[0].pos.y(), WeekRowY[0] + 200);
    EXPECT_EQ(placed[1].text, QStringLiteral(" Call Anna"));
    EXPECT_NEAR(placed[1].pos.y(), WeekRowY[0] + 200 + lineHeight, 0.01);
    EXPECT_EQ(placed[2].text, QStringLiteral(" Payday"));
    EXPECT_NEAR(placed[2].pos.x(), dayFifteenRight - 1350, 0.01);
    EXPECT_EQ(placed[2].pos.y(), WeekRowY[2] + 200);
    for (const PageText &note : placed) {
        EXPECT_EQ(note.fontName, QStringLiteral("Arial"));
        EXPECT_EQ(note.pointSize, 8);
    }
}

TEST(PlaceMonthTest, EntriesBeyondTheLastDayAreNeverPrintedAndNotesStayUnchanged)
{
    DayNotes notes;
    for (int i = 0; i < 31; ++i)
        notes[i] = QStringLiteral("note%1").arg(i + 1);
    const DayNotes before = notes;
    PrintTarget target;
    placeMonth(target.surface(), notes, 2003, 2);

    QStringList placed;
    for (const PageText &note : notesOf(target.surface().page()))
        placed.append(note.text.trimmed());
    EXPECT_EQ(placed.size(), 28);
    EXPECT_TRUE(placed.contains(QStringLiteral("note28")));
    EXPECT_FALSE(placed.contains(QStringLiteral("note29")));
    EXPECT_FALSE(placed.contains(QStringLiteral("note31")));
    EXPECT_EQ(notes, before);
}

TEST(PlaceMonthTest, LeavesTheNoteFontAndTheLastRow)
{
    PrintTarget target;
    PrintSurface &surface = target.surface();
    placeMonth(surface, DayNotes(), 2003, 2);
    EXPECT_EQ(surface.FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(surface.FontSize(), 8.0f);
    EXPECT_EQ(surface.DrawWidth(), 12);
    // February 2003 ends on a Friday in the fifth row.
    EXPECT_EQ(surface.CurrentY(), WeekRowY[4]);

    placeMonth(surface, DayNotes(), 2009, 2);
    // February 2009 ends on a Saturday: the position moves to the next row.
    EXPECT_EQ(surface.CurrentY(), WeekRowY[4]);
}

struct GridErrorCase
{
    const char *name;
    qint16 Yr;
    qint16 Mt;
    qint16 My;
    qint16 bLeft;
    RuntimeError::Number error;
};

void PrintTo(const GridErrorCase &row, std::ostream *os)
{
    *os << row.name;
}

class GridErrorTest : public ::testing::TestWithParam<GridErrorCase>
{
};

TEST_P(GridErrorTest, FailsBeforeAnythingIsDrawn)
{
    const GridErrorCase &row = GetParam();
    PrintTarget target;
    EXPECT_RUNTIME_ERROR(PlaceMonth(target.surface(), DayNotes(), row.Yr, row.Mt, Mx, row.My, CalendarFont, row.bLeft),
                         row.error);
    EXPECT_TRUE(target.surface().page().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, GridErrorTest,
    ::testing::Values(GridErrorCase{"MonthZero", 2003, 0, My, bLeft, RuntimeError::InvalidProcedureCall},
                      GridErrorCase{"MonthThirteen", 2003, 13, My, bLeft, RuntimeError::InvalidProcedureCall},
                      GridErrorCase{"YearBeyondTheCalendar", 10000, 1, My, bLeft, RuntimeError::TypeMismatch},
                      GridErrorCase{"NegativeYear", -5, 1, My, bLeft, RuntimeError::TypeMismatch},
                      GridErrorCase{"YearMinusOne", -1, 1, My, bLeft, RuntimeError::TypeMismatch},
                      GridErrorCase{"MonthCheckedBeforeYear", -5, 13, My, bLeft, RuntimeError::InvalidProcedureCall},
                      GridErrorCase{"FirstRuleOverflows", 2003, 1, 32500, bLeft, RuntimeError::Overflow},
                      GridErrorCase{"RuleStartOverflows", 2003, 1, My, 32700, RuntimeError::Overflow}),
    RowName());

} // namespace
