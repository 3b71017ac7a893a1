// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/PdfReader.h"

#include "drawing/CalendarPrintJob.h"
#include "page/CalendarPage.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Twips of the layout to points on paper: the printable area starts 10 pt in.
double paper(double twips)
{
    return 10 + twips / 20;
}

// Column k of the grid lies between two column rules.
double cellLeft(int column)
{
    return paper(300 + 1583 * column);
}

double cellRight(int column)
{
    return paper(300 + 1583 * (column + 1));
}

CalendarPage january()
{
    CalendarPage input;
    input.txtYear = QStringLiteral("2003");
    input.txtMonth = QStringLiteral("1");
    input.txtCopies = QStringLiteral("1");
    return input;
}

QString pdfFonts(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdffonts"), {file});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every face is embedded, none drawn as outlines of its own (Type 3), and
// only the glyphs used: a whole CJK face alone is megabytes.
void expectEmbeddedSubsets(const QString &file)
{
    const QStringList lines = pdfFonts(file).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &line : lines) {
        EXPECT_FALSE(line.contains(QStringLiteral("Type 3"))) << line.toStdString();
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+yes\\s+\\d+\\s+\\d+$"))))
            << line.toStdString();
    }
    EXPECT_LT(QFileInfo(file).size(), 600 * 1024);
}

// The text as read: glyphs shared by a radical and its ideograph, or drawn
// in a joined form, come back as compatibility characters.
QString allText(const QList<PdfReader::Word> &words)
{
    QString text;
    for (const PdfReader::Word &word : words)
        text += word.text;
    return text.normalized(QString::NormalizationForm_KC);
}

int dayNumbersOn(const Page &page)
{
    int days = 0;
    for (const PageText &text : textsOf(page)) {
        bool number = false;
        text.text.toInt(&number);
        days += number && text.pointSize == 12;
    }
    return days;
}

QString titleOf(const Page &page)
{
    for (const PageText &text : textsOf(page)) {
        if (text.pos.y() == 3550)
            return text.text;
    }
    return {};
}

TEST(ScriptsTest, JapanesePagePrintsWithItsMonthTitle)
{
    CalendarPage input = january();
    input.txtHeader = QStringLiteral("山田家のカレンダー");
    input.txtMessage[0] = QStringLiteral("東京都千代田区");
    input.txtMessage[5] = QStringLiteral("あけましておめでとう");
    input.strNotes[0] = QStringLiteral("元日 ^ 初詣");
    input.strNotes[12] = QStringLiteral("成人の日");
    PrintTarget target;
    printCalendar(target.surface(), input, QLocale(QLocale::Japanese, QLocale::Japan));
    const Page &page = target.device().lastPage();

    EXPECT_EQ(titleOf(page), QStringLiteral("1月 2003"));
    EXPECT_EQ(dayNumbersOn(page), 31);
    const QString text = allText(PdfReader::words(target.device().lastFile()));
    for (const QString &expected : {QStringLiteral("1月"), input.txtHeader, input.txtMessage[0], input.txtMessage[5],
                                    QStringLiteral("元日"), QStringLiteral("初詣"), QStringLiteral("成人の日")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    expectEmbeddedSubsets(target.device().lastFile());
}

// poppler gives right-to-left words in the order they are read or in the
// order they are drawn, as its version decides.
bool holdsEitherWay(const QString &text, const QString &word)
{
    QString reversed = word;
    std::reverse(reversed.begin(), reversed.end());
    return text.contains(word) || text.contains(reversed);
}

TEST(ScriptsTest, ArabicPagePrintsWithItsMonthTitle)
{
    CalendarPage input = january();
    input.txtHeader = QStringLiteral("تقويم العائلة");
    input.strNotes[0] = QStringLiteral("رأس السنة");
    input.strNotes[6] = QStringLiteral("פגישה");
    PrintTarget target;
    printCalendar(target.surface(), input, QLocale(QLocale::Arabic, QLocale::Egypt));
    const Page &page = target.device().lastPage();

    EXPECT_EQ(titleOf(page), QStringLiteral("يناير 2003"));
    EXPECT_EQ(dayNumbersOn(page), 31);
    const QString text = allText(PdfReader::words(target.device().lastFile()));
    for (const QString &expected : {QStringLiteral("يناير"), QStringLiteral("تقويم"), QStringLiteral("العائلة"),
                                    QStringLiteral("رأس"), QStringLiteral("السنة"), QStringLiteral("פגישה")})
        EXPECT_TRUE(holdsEitherWay(text, expected)) << expected.toStdString();
    expectEmbeddedSubsets(target.device().lastFile());
}

struct CellWords
{
    QList<PdfReader::Word> words;
    double rowTop = 0;
};

// Prints January 2003 with one note on the 15th (a Wednesday, column 3, row
// 2) and reads back the words below that day's number.
CellWords printNoteOnThe15th(const QString &note, PrintTarget &target)
{
    CalendarPage input = january();
    input.strNotes[14] = note;
    printCalendar(target.surface(), input, QLocale(QLocale::English, QLocale::UnitedStates));
    CellWords cell{{}, paper(8290 + 200)};
    for (const PdfReader::Word &word : PdfReader::words(target.device().lastFile())) {
        // Faces of other scripts rise higher above the line than the note font.
        const bool inRow = word.box.top() >= cell.rowTop - 4 && word.box.top() < paper(9890);
        if (inRow && word.box.left() > cellLeft(3) - 100 && word.box.left() < cellRight(3) + 100)
            cell.words.append(word);
    }
    return cell;
}

void expectInsideTheCell(const CellWords &cell)
{
    for (const PdfReader::Word &word : cell.words) {
        EXPECT_GT(word.box.left(), cellLeft(3)) << word.text.toStdString();
        EXPECT_LT(word.box.right(), cellRight(3)) << word.text.toStdString();
        EXPECT_LT(word.box.bottom(), paper(9890)) << word.text.toStdString();
    }
}

TEST(ScriptsTest, SixtyIdeographsWithoutBlanksWrapInsideTheirCell)
{
    QString note;
    for (int i = 0; i < 60; ++i)
        note += QChar(0x4E00 + 37 * i);
    PrintTarget target;
    const CellWords cell = printNoteOnThe15th(note, target);

    ASSERT_GE(cell.words.size(), 2);
    EXPECT_LE(cell.words.size(), 7);
    expectInsideTheCell(cell);
    EXPECT_TRUE(note.startsWith(allText(cell.words))) << allText(cell.words).toStdString() << "\n" << note.toStdString();
}

TEST(ScriptsTest, LatinWordOfFortyLettersIsCutShortInsideItsCell)
{
    const QString word = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconi");
    ASSERT_EQ(word.size(), 41);
    PrintTarget target;
    const CellWords cell = printNoteOnThe15th(QStringLiteral("Call ") + word, target);

    ASSERT_EQ(cell.words.size(), 3);
    EXPECT_EQ(cell.words[0].text, QStringLiteral("Call"));
    expectInsideTheCell(cell);
    EXPECT_TRUE(cell.words[2].text.endsWith(u'…'));
    EXPECT_TRUE(word.startsWith(cell.words[1].text + cell.words[2].text.chopped(1)));
}

TEST(ScriptsTest, RightToLeftNoteKeepsItsLeftEdgeAndStaysInItsCell)
{
    const QString note = QStringLiteral("שלוםשלוםשלוםשלוםשלוםשלוםשלוםשלום ^ مرحبامرحبامرحبامرحبامرحبامرحبا");
    PrintTarget target;
    const CellWords cell = printNoteOnThe15th(note, target);

    ASSERT_GE(cell.words.size(), 4);
    expectInsideTheCell(cell);
    QList<double> edges;
    for (const PageText &line : textsOf(target.device().lastPage())) {
        if (line.pointSize == 8)
            edges.append(line.pos.x());
    }
    ASSERT_GE(edges.size(), 4);
    for (double edge : edges)
        EXPECT_EQ(edge, edges.front());
}

} // namespace
