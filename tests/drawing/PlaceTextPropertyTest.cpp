// SPDX-License-Identifier: MIT
#include "PrintTarget.h"

#include "drawing/PlaceText.h"
#include "input/AppendNote.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr float Tx = 1000;
constexpr float Ty = 2000;
constexpr qint16 Tw = 1400;
const QString Tf = QStringLiteral("Arial");

// Pieces notes are made of: letters of many scripts, marks that stack on
// them, joiners and direction marks, characters beyond the first plane,
// blanks, carets, tabs and controls.
const QStringList Pieces = {
    QStringLiteral("a"), QStringLiteral("W"), QStringLiteral("m"), QStringLiteral("-"), QStringLiteral("/"),
    QStringLiteral("会"), QStringLiteral("議"), QStringLiteral("の"), QStringLiteral("カ"), QStringLiteral("회"),
    QStringLiteral("ش"), QStringLiteral("م"), QStringLiteral("ل"), QStringLiteral("ש"), QStringLiteral("ל"),
    QStringLiteral("क"), QStringLiteral("्"), QStringLiteral("ष"), QStringLiteral("ि"), QStringLiteral("ก"),
    QStringLiteral("ั"), QStringLiteral("\u0301"), QStringLiteral("\u200D"), QStringLiteral("\u200F"),
    QStringLiteral("\u202E"), QStringLiteral("\u00AD"), QStringLiteral("😀"), QStringLiteral("👍🏽"),
    QStringLiteral("🇯🇵"), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("^"),
    QStringLiteral("\t"), QStringLiteral("\u00A0"), QStringLiteral("\u3000"), QStringLiteral("\u0001"),
    QStringLiteral("1"), QStringLiteral("."), QStringLiteral("﷽"),
};

QString randomNote(std::mt19937 &random)
{
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<qsizetype> piece(0, Pieces.size() - 1);
    std::uniform_int_distribution<int> run(1, 30);
    QString note;
    for (int n = length(random); note.size() < n;) {
        const QString &chosen = Pieces[piece(random)];
        // Runs make words far wider than a line.
        for (int i = run(random); i > 0; --i)
            note += chosen;
    }
    return note;
}

// Whether a printed line passes the block's width test: without the blank
// that joined its last word it measures at most Tw. Lines print wider by that
// blank, and by letters that join across it (Arabic), which the test
// measures joined: the rules for words that fit stay as they are.
bool passesWidthTest(const PrintSurface &surface, const QString &line)
{
    QString tested = line;
    const qsizetype lastBlank = tested.lastIndexOf(u' ');
    if (lastBlank >= 0)
        tested.remove(lastBlank, 1);
    return surface.TextWidth(line) <= Tw || surface.TextWidth(tested) <= Tw;
}

TEST(PlaceTextPropertyTest, NoWordOfAnyTextRunsPastTheBlock)
{
    std::mt19937 random(20261208);
    PrintTarget target;
    PrintSurface &surface = target.surface();
    for (int round = 0; round < 300; ++round) {
        const QString note = randomNote(random);
        surface.KillDoc();
        placeTextBlock(surface, Tx, Ty, Tw, Tf, note);

        const QList<PageText> lines = textsOf(surface.page());
        ASSERT_LE(lines.size(), 7) << note.toStdString();
        for (const PageText &line : lines) {
            EXPECT_EQ(line.pos.x(), Tx);
            EXPECT_TRUE(passesWidthTest(surface, line.text)) << "note " << round << ": " << line.text.toStdString();
        }
    }
}

// The rules as they stand for notes whose words fit, written plainly.
void placeAsWritten(PrintSurface &surface, const QString &note)
{
    QString text = note;
    QString line;
    surface.setCurrentX(Tx);
    surface.setCurrentY(Ty);
    surface.setFontName(Tf);
    surface.setFontSize(8);
    int lineNumber = 1;
    while (!text.isEmpty() && lineNumber <= 7) {
        text = text.trimmed();
        const qsizetype blank = text.indexOf(u' ');
        const QString word = blank < 0 ? text : text.left(blank);
        text = blank < 0 ? QString() : text.mid(blank + 1);
        if (word.contains(u'^')) {
            surface.Print(line);
            surface.setCurrentX(Tx);
            line.clear();
            ++lineNumber;
        } else if (surface.TextWidth(line + word) > Tw) {
            surface.Print(line);
            surface.setCurrentX(Tx);
            line = word;
            ++lineNumber;
        } else {
            line += u' ' + word;
        }
    }
    if (lineNumber < 8 && !line.isEmpty())
        surface.Print(line);
}

QString randomFittingNote(std::mt19937 &random)
{
    static const QStringList words = {QStringLiteral("Dentist"), QStringLiteral("at"), QStringLiteral("ten"),
                                      QStringLiteral("^"), QStringLiteral("Call"), QStringLiteral("Anna"),
                                      QStringLiteral("Geburtstag"), QStringLiteral("会議"), QStringLiteral("שלום"),
                                      QStringLiteral("WWWWWWWWW"), QStringLiteral("a^b"), QStringLiteral("")};
    std::uniform_int_distribution<int> count(0, 40);
    std::uniform_int_distribution<qsizetype> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> blanks(1, 3);
    QString note = QString(blanks(random) - 1, u' ');
    for (int i = count(random); i > 0; --i)
        note += words[pick(random)] + QString(blanks(random), u' ');
    return note;
}

TEST(PlaceTextPropertyTest, NotesWhoseWordsFitPrintAsBefore)
{
    std::mt19937 random(8122026);
    PrintTarget placed;
    PrintTarget written;
    for (int round = 0; round < 300; ++round) {
        const QString note = randomFittingNote(random);
        placed.surface().KillDoc();
        placeTextBlock(placed.surface(), Tx, Ty, Tw, Tf, note);
        written.surface().KillDoc();
        placeAsWritten(written.surface(), note);

        const QList<PageText> expected = textsOf(written.surface().page());
        const QList<PageText> printed = textsOf(placed.surface().page());
        ASSERT_EQ(printed.size(), expected.size()) << note.toStdString();
        for (qsizetype i = 0; i < printed.size(); ++i) {
            EXPECT_EQ(printed[i].text, expected[i].text) << note.toStdString();
            EXPECT_EQ(printed[i].pos, expected[i].pos) << note.toStdString();
        }
        EXPECT_EQ(placed.surface().CurrentY(), written.surface().CurrentY()) << note.toStdString();
    }
}

// A day's entry keeps only the part its cell can print: notes added one by
// one print exactly as all of them joined, in every font, size of cell and
// script, the widest and the narrowest.
TEST(PlaceTextPropertyTest, KeptEntryPrintsAsAllItsNotes)
{
    struct Cell
    {
        QString font;
        qint16 width;
    };
    const Cell cells[] = {{QStringLiteral("Arial"), 1400}, {QStringLiteral("Times"), 300},
                          {QStringLiteral("Liberation Mono"), 30}, {QStringLiteral("Arial"), 32767}};
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> notes(1, 14);
    std::uniform_int_distribution<int> kind(0, 1);
    PrintTarget kept;
    PrintTarget whole;
    for (int round = 0; round < 150; ++round) {
        DayNotes strNotes;
        QString joined;
        for (int i = notes(random); i > 0; --i) {
            const QString note = kind(random) ? randomNote(random) : randomFittingNote(random);
            appendNote(strNotes, 0, note);
            joined = joined.isEmpty() ? note : joined + NoteSeparator + note;
        }
        ASSERT_TRUE(joined.startsWith(strNotes[0]));
        for (const Cell &cell : cells) {
            kept.surface().KillDoc();
            placeTextBlock(kept.surface(), Tx, Ty, cell.width, cell.font, strNotes[0]);
            whole.surface().KillDoc();
            placeTextBlock(whole.surface(), Tx, Ty, cell.width, cell.font, joined);

            const QList<PageText> expected = textsOf(whole.surface().page());
            const QList<PageText> printed = textsOf(kept.surface().page());
            ASSERT_EQ(printed.size(), expected.size()) << "round " << round;
            for (qsizetype i = 0; i < printed.size(); ++i) {
                EXPECT_EQ(printed[i].text, expected[i].text) << "round " << round;
                EXPECT_EQ(printed[i].pos, expected[i].pos) << "round " << round;
            }
            EXPECT_EQ(kept.surface().CurrentY(), whole.surface().CurrentY()) << "round " << round;
        }
    }
}

} // namespace
