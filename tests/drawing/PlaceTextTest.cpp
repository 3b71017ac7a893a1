// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/RowName.h"

#include "drawing/PlaceText.h"
#include "page/DayNotes.h"

#include <gtest/gtest.h>

namespace {

constexpr float Tx = 1000;
constexpr float Ty = 2000;
const QString Tf = QStringLiteral("Arial");

struct TextCase
{
    const char *name;
    QString text;
    qint16 width;
    // Every printed line in order; "" is a line printed empty.
    QStringList lines;
    QString remainder;
};

void PrintTo(const TextCase &row, std::ostream *os)
{
    *os << row.name;
}

class PlaceTextLinesTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(PlaceTextLinesTest, PrintsTheLinesAndKeepsWhatWasNotTaken)
{
    const TextCase &row = GetParam();
    PrintTarget target;
    PrintSurface &surface = target.surface();
    surface.setFontName(Tf);
    surface.setFontSize(8);
    const float lineHeight = surface.lineHeight();
    surface.setFontName(QStringLiteral("Times"));
    surface.setFontSize(20);

    QString text = row.text;
    PlaceText(surface, Tx, Ty, row.width, Tf, text);

    EXPECT_EQ(text, row.remainder);
    EXPECT_EQ(surface.FontName(), Tf);
    EXPECT_EQ(surface.FontSize(), 8.0f);
    EXPECT_NEAR(surface.CurrentY(), Ty + row.lines.size() * lineHeight, 0.01);

    // Empty lines leave no text on the page, only their height.
    const QList<PageText> printed = textsOf(surface.page());
    qsizetype next = 0;
    for (qsizetype i = 0; i < row.lines.size(); ++i) {
        if (row.lines[i].isEmpty())
            continue;
        ASSERT_LT(next, printed.size()) << "line " << i << " missing";
        const PageText &line = printed[next++];
        EXPECT_EQ(line.text, row.lines[i]) << "line " << i;
        EXPECT_EQ(line.pos.x(), Tx) << "line " << i;
        EXPECT_NEAR(line.pos.y(), Ty + i * lineHeight, 0.01) << "line " << i;
        EXPECT_EQ(line.fontName, Tf);
        EXPECT_EQ(line.pointSize, 8.0);
    }
    EXPECT_EQ(next, printed.size()) << "more lines printed than expected";
}

// Widths in Arial 8 pt at 600 dpi: " immmm" followed directly by
// "rrrrrrrrrrrrrtt" measures exactly 1401 twips. 1400 itself is no width a
// 600-dpi device can measure.
const QString ExactLine = QStringLiteral("immmm rrrrrrrrrrrrrtt");

// ExactLine with a tab for its blank: a tab measures as a blank.
const QString ExactTabLine = QStringLiteral("immmm\trrrrrrrrrrrrrtt");

const QString ZeroWidthWord = QString(3000, QChar(0x200B));

// The block over a view takes the same lines and hands back the same rest,
// which lies in the entry itself: nothing is copied.
TEST_P(PlaceTextLinesTest, ViewOfTheEntryIsPlacedAlike)
{
    const TextCase &row = GetParam();
    PrintTarget byCopy;
    QString copy = row.text;
    PlaceText(byCopy.surface(), Tx, Ty, row.width, Tf, copy);
    PrintTarget byView;
    const QString entry = row.text;
    const QStringView rest = placeTextBlock(byView.surface(), Tx, Ty, row.width, Tf, entry);

    EXPECT_EQ(rest.toString(), row.remainder);
    if (!rest.isEmpty()) {
        EXPECT_GE(rest.data(), entry.constData());
        EXPECT_LE(rest.data() + rest.size(), entry.constData() + entry.size());
    }
    const QList<PageText> expected = textsOf(byCopy.surface().page());
    const QList<PageText> printed = textsOf(byView.surface().page());
    ASSERT_EQ(printed.size(), expected.size());
    for (qsizetype i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].text, expected[i].text) << "line " << i;
        EXPECT_EQ(printed[i].pos, expected[i].pos) << "line " << i;
    }
    EXPECT_EQ(byView.surface().CurrentY(), byCopy.surface().CurrentY());
}

INSTANTIATE_TEST_SUITE_P(
    Notes, PlaceTextLinesTest,
    ::testing::Values(
        TextCase{"EmptyPrintsNothing", "", 1400, {}, ""},
        TextCase{"OneWordBeginsWithABlank", "Dentist", 1400, {" Dentist"}, ""},
        TextCase{"SeveralBlanksCountAsOne", "  Dentist   at  ten  ", 1400, {" Dentist at ten"}, ""},
        TextCase{"TwoNotesEachBeginWithABlank", "first ^ second", 1400, {" first", " second"}, ""},
        TextCase{"CaretAtStartPrintsAnEmptyFirstLine", "^ first", 1400, {"", " first"}, ""},
        TextCase{"TwoCaretsLeaveAnEmptyLine", "first ^ ^ second", 1400, {" first", "", " second"}, ""},
        TextCase{"WordHoldingACaretIsNotPrinted", "x a^b y", 1400, {" x", " y"}, ""},
        // A W measures 151 twips, a blank 44 and a hyphen 53.
        TextCase{"FirstWordWiderThanTheWidthFillsTheFirstLine", "WWWWWWWWWWWW", 1400, {" WWWWWWWW", "WWWW"}, ""},
        TextCase{"WideWordAfterAFullLineStartsItsOwnLine", "Call WWWWWWWWWWWW", 1400, {" Call", "WWWWWWWWW", "WWW"}, ""},
        TextCase{"WideWordBreaksAfterItsHyphen", "Call WWWWW-WWWWWWW", 1400, {" Call", "WWWWW-", "WWWWWWW"}, ""},
        TextCase{"WordsAfterABrokenWordFollowOnItsLastLine", "WWWWWWWWWWWW a b", 1400, {" WWWWWWWW", "WWWW a b"}, ""},
        TextCase{"CaretLineTakesAWideWordAfterItsBlank", "a ^ WWWWWWWWWWWW", 1400, {" a", " WWWWWWWW", "WWWW"}, ""},
        TextCase{"UnbreakableWordTakesTwoLinesEndingInAnEllipsis", QString(70, u'W') + " next", 1400,
                 {" WWWWWWWW", "WWWWWWWW…", "next"}, ""},
        TextCase{"WordWithABreakPastTwoLinesWrapsAsBefore", QString(25, u'W') + "-WW", 1400,
                 {" WWWWWWWW", "WWWWWWWWW", "WWWWWWWW-", "WW"}, ""},
        TextCase{"UnbreakableWordLeavesTheOtherNotesTheirLines",
                 QStringList{"Dentist", "Call Anna", QString(62, u'm'), "Gym", "Lunch"}.join(NoteSeparator), 1400,
                 {" Dentist", " Call Anna", " mmmmmmmmmm", "mmmmmmmmm…", " Gym", " Lunch"}, ""},
        TextCase{"WidthBreakStartsWithoutBlank", "aa bb cc", 200, {" aa", "bb", "cc"}, ""},
        TextCase{"ExactlyTheWidthFits", ExactLine, 1401, {" immmm rrrrrrrrrrrrrtt"}, ""},
        TextCase{"OneTwipNarrowerBreaks", ExactLine, 1400, {" immmm", "rrrrrrrrrrrrrtt"}, ""},
        TextCase{"SevenLinesAllPrinted", "a ^ b ^ c ^ d ^ e ^ f ^ g", 1400,
                 {" a", " b", " c", " d", " e", " f", " g"}, ""},
        TextCase{"EighthNoteDropped", "a ^ b ^ c ^ d ^ e ^ f ^ g ^   h i  ", 1400,
                 {" a", " b", " c", " d", " e", " f", " g"}, "  h i"},
        TextCase{"WordStartingTheEighthLineDropped", "aa bb cc dd ee ff gg hh ii", 200,
                 {" aa", "bb", "cc", "dd", "ee", "ff", "gg"}, "ii"},
        TextCase{"SeventhLineByCaretDropsNothingElse", "a ^ b ^ c ^ d ^ e ^ f ^ g ^", 1400,
                 {" a", " b", " c", " d", " e", " f", " g"}, ""},
        TextCase{"BlanksOnlyPrintOneBlank", "   ", 1400, {" "}, ""},
        TextCase{"TabPrintsAsABlankInsideItsWord", "a\tb c", 1400, {" a b c"}, ""},
        TextCase{"WordWithTabsFitsOnOneLine", "one\ttwo\tthree\tfour", 1400, {" one two three four"}, ""},
        TextCase{"WordWithTabsIsNotBrokenAtThem", "one\ttwo\tthree\tfour", 700, {" one two t", "hree four"}, ""},
        TextCase{"TabLineOfExactlyTheWidthFits", ExactTabLine, 1401, {" immmm rrrrrrrrrrrrrtt"}, ""},
        TextCase{"TabLineOneTwipNarrowerBreaks", ExactTabLine, 1400, {" immmm rrrrrrrrrrrrr", "tt"}, ""},
        // Long enough to be measured by its beginning first, and still fits.
        TextCase{"LongWordOfZeroWidthCharactersFits", ZeroWidthWord, 1400, {" " + ZeroWidthWord}, ""}),
    RowName());

TEST(PlaceTextTest, ExactLineMeasuresTheWidthItIsTestedWith)
{
    EXPECT_EQ(widthOf(QStringLiteral(" immmmrrrrrrrrrrrrrtt"), Tf, 8), 1401.0f);
}

TEST(PlaceTextTest, EmptyTextStillSetsFontAndPosition)
{
    PrintTarget target;
    PrintSurface &surface = target.surface();
    surface.setCurrentX(5);
    surface.setCurrentY(5);
    QString text;
    PlaceText(surface, Tx, Ty, 1400, QStringLiteral("Times"), text);
    EXPECT_EQ(surface.CurrentX(), Tx);
    EXPECT_EQ(surface.CurrentY(), Ty);
    EXPECT_EQ(surface.FontName(), QStringLiteral("Times"));
    EXPECT_EQ(surface.FontSize(), 8.0f);
    EXPECT_TRUE(surface.page().isEmpty());
}

TEST(PlaceTextTest, LongEntryGivesBackItsUntakenTail)
{
    QString entry;
    for (int i = 0; i < 200000; ++i)
        entry += QStringLiteral("note%1 ").arg(i);
    PrintTarget target;
    QString text = entry;
    PlaceText(target.surface(), Tx, Ty, 1400, Tf, text);

    EXPECT_EQ(textsOf(target.surface().page()).size(), 7);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(entry.trimmed().endsWith(text));
    EXPECT_TRUE(text.startsWith(QStringLiteral("note")));
}

// Words of megabytes, as a control file may hold: cut short inside the block
// like any word without line-break opportunities, and looked at no further
// than they show.
const QString GiantWord(1 << 20, u'm');

// Two lines cut from word, each inside the block, the second ending in "…".
void expectCutShort(const QList<PageText> &lines, qsizetype first, const QString &word)
{
    ASSERT_GE(lines.size(), first + 2);
    for (qsizetype i = first; i < first + 2; ++i) {
        EXPECT_LE(widthOf(lines[i].text, Tf, 8), 1400) << "line " << i;
        EXPECT_EQ(lines[i].pos.x(), Tx) << "line " << i;
    }
    EXPECT_TRUE(lines[first + 1].text.endsWith(u'…'));
    EXPECT_TRUE(word.startsWith(lines[first].text + lines[first + 1].text.chopped(1)));
}

TEST(PlaceTextTest, GiantWordIsCutShortAfterTheLineBeforeIt)
{
    PrintTarget target;
    PrintSurface &surface = target.surface();
    QString text = QStringLiteral("Dentist ") + GiantWord + QStringLiteral(" at ten");
    PlaceText(surface, Tx, Ty, 1400, Tf, text);

    const QList<PageText> printed = textsOf(surface.page());
    ASSERT_EQ(printed.size(), 4);
    EXPECT_EQ(printed[0].text, QStringLiteral(" Dentist"));
    expectCutShort(printed, 1, GiantWord);
    EXPECT_EQ(printed[3].text, QStringLiteral("at ten"));
    EXPECT_TRUE(text.isEmpty());
}

TEST(PlaceTextTest, GiantWordAsTheWholeNoteTakesTwoLines)
{
    PrintTarget target;
    PrintSurface &surface = target.surface();
    QString text = GiantWord;
    PlaceText(surface, Tx, Ty, 1400, Tf, text);

    expectCutShort(textsOf(surface.page()), 0, u' ' + GiantWord);
    EXPECT_NEAR(surface.CurrentY(), Ty + 2 * surface.lineHeight(), 0.01);
    EXPECT_TRUE(text.isEmpty());
}

// On the seventh line a giant word has that line only, and it ends in "…".
TEST(PlaceTextTest, GiantWordsPastTheSeventhLineAreGivenBack)
{
    PrintTarget target;
    QString text = QStringLiteral("a ^ b ^ c ^ d ^ e ^ f ^ ") + GiantWord + QStringLiteral(" ^ ") + GiantWord;
    PlaceText(target.surface(), Tx, Ty, 1400, Tf, text);

    const QList<PageText> printed = textsOf(target.surface().page());
    ASSERT_EQ(printed.size(), 7);
    EXPECT_TRUE(printed[6].text.endsWith(u'…'));
    EXPECT_TRUE((u' ' + GiantWord).startsWith(printed[6].text.chopped(1)));
    EXPECT_EQ(text, GiantWord);
}

} // namespace
