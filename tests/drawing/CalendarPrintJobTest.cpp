// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/RowName.h"

#include "drawing/CalendarPrintJob.h"
#include "page/CalendarPage.h"
#include "platform/RuntimeError.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

CalendarPage pageInput()
{
    CalendarPage input;
    input.txtYear = QStringLiteral("2003");
    input.txtMonth = QStringLiteral("1");
    input.txtCopies = QStringLiteral("1");
    input.txtHeader = QStringLiteral("The Sorvane Family");
    input.txtMessage = {QStringLiteral("12 Main Street"), QStringLiteral("Springfield"), QString(), QString(),
                        QStringLiteral("555 0100"), QStringLiteral("Happy New Year")};
    input.strNotes[0] = QStringLiteral("New Year ^ Call Anna");
    return input;
}

float lineHeightOf(const QString &fontName, float pointSize)
{
    PrintTarget target;
    target.surface().setFontName(fontName);
    target.surface().setFontSize(pointSize);
    return target.surface().lineHeight();
}

// Prints the page and returns what reached the device.
Page printed(PrintTarget &target, const CalendarPage &input)
{
    printCalendar(target.surface(), input, English);
    EXPECT_EQ(target.device().printCount(), 1);
    return target.device().lastPage();
}

std::optional<PageText> textAt(const Page &page, float y)
{
    for (const PageText &text : textsOf(page)) {
        if (text.pos.y() == y)
            return text;
    }
    return std::nullopt;
}

std::optional<PageText> textNamed(const Page &page, const QString &content)
{
    for (const PageText &text : textsOf(page)) {
        if (text.text == content)
            return text;
    }
    return std::nullopt;
}

TEST(CalendarPrintJobTest, ShortHeaderPrintsAt24Points)
{
    PrintTarget target;
    const Page page = printed(target, pageInput());
    const auto header = textNamed(page, QStringLiteral("The Sorvane Family"));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->pos, QPointF(220, 500));
    EXPECT_EQ(header->pointSize, 24);
    EXPECT_EQ(header->fontName, QStringLiteral("Arial"));
}

TEST(CalendarPrintJobTest, WideHeaderShrinksToTheFirstSizeThatFits)
{
    CalendarPage input = pageInput();
    input.txtHeader = QStringLiteral("The Sorvane Family wishes everyone a happy and peaceful New Year");
    PrintTarget target;
    const auto header = textNamed(printed(target, input), input.txtHeader);
    ASSERT_TRUE(header);
    const float size = float(header->pointSize);
    EXPECT_LT(size, 24);
    EXPECT_EQ(int(size) % 2, 0);
    EXPECT_LE(widthOf(input.txtHeader, input.fonts.strHdrFont, size), 8280);
    EXPECT_GT(widthOf(input.txtHeader, input.fonts.strHdrFont, size + 2), 8280);
}

TEST(CalendarPrintJobTest, HeaderTooWideAtAnySizeStopsAtTwoPoints)
{
    CalendarPage input = pageInput();
    input.txtHeader = QString(3000, u'W');
    PrintTarget target;
    const auto header = textNamed(printed(target, input), input.txtHeader);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->pointSize, 2);
}

TEST(CalendarPrintJobTest, EmptyHeaderStillTakesItsLine)
{
    CalendarPage input = pageInput();
    input.txtHeader.clear();
    PrintTarget target;
    const Page page = printed(target, input);
    const auto firstLine = textNamed(page, input.txtMessage[0]);
    ASSERT_TRUE(firstLine);
    EXPECT_EQ(firstLine->pos.x(), 1000);
    EXPECT_NEAR(firstLine->pos.y(), 500 + lineHeightOf(QStringLiteral("Arial"), 24) + 150, 0.01);
    EXPECT_EQ(firstLine->fontName, QStringLiteral("Times"));
    EXPECT_EQ(firstLine->pointSize, 12);
}

TEST(CalendarPrintJobTest, EmptyLinesStillAdvance)
{
    CalendarPage input = pageInput();
    for (int i = 0; i < 4; ++i)
        input.txtMessage[i].clear();
    input.txtMessage[4] = QStringLiteral("Last line");
    PrintTarget target;
    const auto last = textNamed(printed(target, input), input.txtMessage[4]);
    ASSERT_TRUE(last);
    const float expected = 500 + lineHeightOf(QStringLiteral("Arial"), 24) + 150 + 4 * lineHeightOf(QStringLiteral("Times"), 12);
    EXPECT_NEAR(last->pos.y(), expected, 0.01);
}

struct CentringCase
{
    const char *name;
    QString message;
    QString year;
};

void PrintTo(const CentringCase &row, std::ostream *os)
{
    *os << row.name;
}

class CentringTest : public ::testing::TestWithParam<CentringCase>
{
};

TEST_P(CentringTest, MessageAndTitleAreCentredAtFullSize)
{
    const CentringCase &row = GetParam();
    CalendarPage input = pageInput();
    input.txtMessage[5] = row.message;
    input.txtYear = row.year;
    PrintTarget target;
    const Page page = printed(target, input);

    const auto message = textAt(page, 2900);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, row.message);
    EXPECT_EQ(message->pointSize, 18);
    EXPECT_TRUE(message->bold);
    const float messageWidth = widthOf(row.message, input.fonts.strMsgFont, 18, true);
    EXPECT_FLOAT_EQ(message->pos.x(), 220 + (11160 - messageWidth) / 2);

    const auto title = textAt(page, 3550);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text, QStringLiteral("January ") + row.year);
    EXPECT_EQ(title->pointSize, 28);
    EXPECT_FALSE(title->bold);
    const float titleWidth = widthOf(title->text, input.fonts.strMonthFont, 28);
    EXPECT_FLOAT_EQ(title->pos.x(), 300 + (11160 - titleWidth) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CentringTest,
    ::testing::Values(CentringCase{"Short", "Happy New Year", "2003"},
                      CentringCase{"WiderThanThePage", QString(60, u'M'), QStringLiteral("2003 - the Sorvane Family Reunion in Springfield")}),
    RowName());

TEST(CalendarPrintJobTest, LinesWiderThanThePageStartLeftOfTheirBase)
{
    CalendarPage input = pageInput();
    input.txtMessage[5] = QString(60, u'M');
    input.txtYear = QStringLiteral("2003 - the Sorvane Family Reunion in Springfield");
    PrintTarget target;
    const Page page = printed(target, input);
    const auto message = textAt(page, 2900);
    const auto title = textAt(page, 3550);
    ASSERT_TRUE(message && title);
    EXPECT_LT(message->pos.x(), 0);
    EXPECT_LT(title->pos.x(), 300);
}

struct MonthFieldCase
{
    const char *name;
    QString month;
    QString year;
    QString title;
    QString documentName;
    int days;
};

void PrintTo(const MonthFieldCase &row, std::ostream *os)
{
    *os << row.name;
}

class MonthFieldTest : public ::testing::TestWithParam<MonthFieldCase>
{
};

TEST_P(MonthFieldTest, TitleAndGridShowTheSameMonth)
{
    const MonthFieldCase &row = GetParam();
    CalendarPage input = pageInput();
    input.txtMonth = row.month;
    input.txtYear = row.year;
    PrintTarget target;
    const Page page = printed(target, input);

    ASSERT_TRUE(textAt(page, 3550));
    EXPECT_EQ(textAt(page, 3550)->text, row.title);
    EXPECT_EQ(target.device().lastSettings().documentName, row.documentName);
    EXPECT_TRUE(textNamed(page, QString::number(row.days)));
    EXPECT_FALSE(textNamed(page, QString::number(row.days + 1)));
    EXPECT_EQ(QFileInfo(target.device().lastFile()).fileName(), row.documentName + QStringLiteral(".pdf"));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MonthFieldTest,
    ::testing::Values(MonthFieldCase{"January", "1", "2003", "January 2003", "Calendar 2003-01", 31},
                      MonthFieldCase{"HalfRoundsToEvenFebruary", "2.5", "2003", "February 2003", "Calendar 2003-02", 28},
                      MonthFieldCase{"YearWithLeadingBlank", "1", " 2003", "January  2003", "Calendar 2003-01", 31},
                      MonthFieldCase{"EmptyYearIs2000", "2", "", "February ", "Calendar 2000-02", 29},
                      MonthFieldCase{"TwoDigitYear", "2", "04", "February 04", "Calendar 2004-02", 29}),
    RowName());

struct DeviceNameCase
{
    const char *name;
    QString deviceName;
    int paperSource;
    QStringList descriptions = {};
};

void PrintTo(const DeviceNameCase &row, std::ostream *os)
{
    *os << row.name;
}

class DeviceNameTest : public ::testing::TestWithParam<DeviceNameCase>
{
};

TEST_P(DeviceNameTest, HpLaserGetsTheUpperTray)
{
    const DeviceNameCase &row = GetParam();
    PrintTarget target(row.deviceName);
    target.device().setDescriptions(row.descriptions);
    printed(target, pageInput());
    EXPECT_EQ(target.device().lastSettings().paperSource, row.paperSource);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, DeviceNameTest,
    ::testing::Values(DeviceNameCase{"HpLaserJet", "HP LaserJet 4050", 1},
                      DeviceNameCase{"HpLaserInsideTheName", "Office HP Laser 2", 1},
                      DeviceNameCase{"LowerCaseIsNotHp", "hp laserjet 4050", 0},
                      DeviceNameCase{"TwoBlanksIsNotHp", "HP  LaserJet", 0},
                      DeviceNameCase{"SaveAsPdf", "Save as PDF", 0},
                      DeviceNameCase{"QueueOfAnHpLaserJet", "Office", 1, {"Office", "HP LaserJet 4050 Series"}},
                      DeviceNameCase{"QueueOfAnotherPrinter", "Office", 0, {"hp laserjet", "Brother HL-2270DW"}}),
    RowName());

TEST(CalendarPrintJobTest, FramesAndColumnRules)
{
    PrintTarget target;
    const Page page = printed(target, pageInput());
    const QList<PageBox> boxes = boxesOf(page);
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[0].rect, QRectF(220, 4400, 11240, 10620));
    EXPECT_EQ(boxes[0].width, 4);
    EXPECT_EQ(boxes[1].rect, QRectF(260, 4440, 11160, 10540));
    EXPECT_EQ(boxes[1].width, 6);
    EXPECT_EQ(boxes[2].rect, QRectF(300, 4480, 11080, 10460));
    EXPECT_EQ(boxes[2].width, 8);

    QList<PageLine> columnRules;
    for (const PageLine &line : linesOf(page)) {
        if (line.from.x() == line.to.x())
            columnRules.append(line);
    }
    const QList<int> expectedX = {1883, 3466, 5049, 6632, 8215, 9798};
    ASSERT_EQ(columnRules.size(), expectedX.size());
    for (int i = 0; i < expectedX.size(); ++i) {
        EXPECT_EQ(columnRules[i].from, QPointF(expectedX[i], 4480));
        EXPECT_EQ(columnRules[i].to, QPointF(expectedX[i], 14940));
        EXPECT_EQ(columnRules[i].width, 12);
    }
}

TEST(CalendarPrintJobTest, PictureOnlyWhenSelected)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    CalendarPage input = pageInput();
    input.picture = Picture::fromImage(image, QSizeF(6000, 4500));

    PrintTarget without;
    EXPECT_TRUE(picturesOf(printed(without, input)).isEmpty());

    input.binSelPic = true;
    PrintTarget with;
    const QList<PagePicture> pictures = picturesOf(printed(with, input));
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].rect, QRectF(8550, 350, 2860, 2145));
}

struct JobErrorCase
{
    const char *name;
    std::function<void(CalendarPage &)> change;
    RuntimeError::Number error;
};

void PrintTo(const JobErrorCase &row, std::ostream *os)
{
    *os << row.name;
}

class JobErrorTest : public ::testing::TestWithParam<JobErrorCase>
{
};

TEST_P(JobErrorTest, NothingReachesTheDevice)
{
    const JobErrorCase &row = GetParam();
    CalendarPage input = pageInput();
    row.change(input);
    PrintTarget target;
    EXPECT_RUNTIME_ERROR(printCalendar(target.surface(), input, English), row.error);
    EXPECT_EQ(target.device().printCount(), 0);
    EXPECT_TRUE(target.pdfFiles().isEmpty());
    EXPECT_TRUE(target.surface().page().isEmpty());

    // The surface is ready for the next, sound job.
    printCalendar(target.surface(), pageInput(), English);
    EXPECT_EQ(target.device().printCount(), 1);
    EXPECT_EQ(textsOf(target.device().lastPage()).front().text, pageInput().txtHeader);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, JobErrorTest,
    ::testing::Values(
        JobErrorCase{"CopiesOverflow", [](CalendarPage &in) { in.txtCopies = "40000"; }, RuntimeError::Overflow},
        JobErrorCase{"NegativeCopiesOverflow", [](CalendarPage &in) { in.txtCopies = "-32769"; }, RuntimeError::Overflow},
        JobErrorCase{"MonthHalfRoundsToZero", [](CalendarPage &in) { in.txtMonth = "0.5"; }, RuntimeError::InvalidProcedureCall},
        JobErrorCase{"MonthThirteen", [](CalendarPage &in) { in.txtMonth = "13"; }, RuntimeError::InvalidProcedureCall},
        JobErrorCase{"MonthNotANumber", [](CalendarPage &in) { in.txtMonth = "Jan"; }, RuntimeError::InvalidProcedureCall},
        JobErrorCase{"MonthOverflow", [](CalendarPage &in) { in.txtMonth = "99999"; }, RuntimeError::Overflow},
        JobErrorCase{"YearOverflow", [](CalendarPage &in) { in.txtYear = "40000"; }, RuntimeError::Overflow},
        JobErrorCase{"YearBeyondTheCalendar", [](CalendarPage &in) { in.txtYear = "10000"; }, RuntimeError::TypeMismatch},
        JobErrorCase{"PictureHolderWithoutWidth",
                     [](CalendarPage &in) {
                         in.binSelPic = true;
                         in.picture = Picture::fromImage(QImage(4, 3, QImage::Format_RGB32), QSizeF(0, 45));
                     },
                     RuntimeError::DivisionByZero}),
    RowName());

TEST(CalendarPrintJobTest, CopiesAreTakenBeforeTheTitleFails)
{
    CalendarPage input = pageInput();
    input.txtMonth = QStringLiteral("13");
    input.txtCopies = QStringLiteral("3");
    PrintTarget target;
    EXPECT_RUNTIME_ERROR(printCalendar(target.surface(), input, English), RuntimeError::InvalidProcedureCall);
    EXPECT_EQ(target.surface().Copies(), 3);
}

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(CalendarPrintJobTest, PdfHoldsOnePagePerCopyWithTheCalendar)
{
    CalendarPage input = pageInput();
    input.txtCopies = QStringLiteral("2");
    PrintTarget target;
    printCalendar(target.surface(), input, English);
    ASSERT_EQ(target.pdfFiles(), QStringList{QStringLiteral("Calendar 2003-01.pdf")});
    const QString file = target.device().lastFile();

    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {file}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                               QStringLiteral("1"), file, QStringLiteral("-")});
    for (const QString &expected : {QStringLiteral("The Sorvane Family"), QStringLiteral("January 2003"),
                                    QStringLiteral("Happy New Year"), QStringLiteral("Sun"), QStringLiteral("Call Anna")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

struct PdfWord
{
    QString text;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
};

QList<PdfWord> wordsOnFirstPage(const QString &file)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                               QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch &match : word.globalMatch(html))
        words.append({match.captured(4), match.captured(1).toDouble(), match.captured(3).toDouble(), match.captured(2).toDouble()});
    return words;
}

std::optional<PdfWord> findWord(const QList<PdfWord> &words, const QString &text)
{
    for (const PdfWord &word : words) {
        if (word.text == text)
            return word;
    }
    return std::nullopt;
}

// Twips of the layout to points on paper: the printable area starts 10 pt in.
double paperX(double twips)
{
    return 10 + twips / 20;
}

double paperY(double twips)
{
    return 10 + twips / 20;
}

TEST(CalendarPrintJobTest, TitleAndMessageAreCentredOnPaper)
{
    PrintTarget target;
    printCalendar(target.surface(), pageInput(), English);
    const QList<PdfWord> words = wordsOnFirstPage(target.device().lastFile());

    const auto january = findWord(words, QStringLiteral("January"));
    const auto year = findWord(words, QStringLiteral("2003"));
    ASSERT_TRUE(january && year);
    EXPECT_NEAR((january->xMin + year->xMax) / 2, paperX(5880), 1.0);

    const auto happy = findWord(words, QStringLiteral("Happy"));
    const auto newYear = findWord(words, QStringLiteral("Year"));
    ASSERT_TRUE(happy && newYear);
    EXPECT_NEAR((happy->xMin + newYear->xMax) / 2, paperX(5800), 1.0);

    // January 2003 ends on a Friday in the fifth week row.
    const auto lastDay = findWord(words, QStringLiteral("31"));
    ASSERT_TRUE(lastDay);
    EXPECT_NEAR(lastDay->xMin, paperX(9450), 1.0);
}

// A header and a note that are one word of ten megabytes each: the header
// shrinks to its smallest size, and the page holds only what can show.
TEST(CalendarPrintJobTest, GiantWordsPrintAsFarAsThePageShowsThem)
{
    const QString giant(10 << 20, u'm');
    CalendarPage input = pageInput();
    input.txtHeader = giant;
    input.strNotes[14] = giant;
    PrintTarget target;
    const Page page = printed(target, input);

    const auto header = textAt(page, 500);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->pointSize, 2);
    EXPECT_EQ(header->pos.x(), 220);
    EXPECT_TRUE(giant.startsWith(header->text));
    EXPECT_LT(header->text.size(), 100000);

    // On paper: the header above the frames, the note cut short to two
    // lines inside the cell of the 15th, a Wednesday.
    QList<PdfWord> giantWords = wordsOnFirstPage(target.device().lastFile());
    giantWords.removeIf([](const PdfWord &word) { return !word.text.startsWith(u"mmmm"); });
    ASSERT_EQ(giantWords.size(), 3);
    EXPECT_NEAR(giantWords[0].xMin, paperX(220), 1.0);
    EXPECT_LT(giantWords[0].yMin, paperY(4400));
    for (qsizetype i = 1; i < giantWords.size(); ++i) {
        EXPECT_GT(giantWords[i].yMin, paperY(4550));
        EXPECT_GT(giantWords[i].xMin, paperX(300 + 3 * 1583));
        EXPECT_LT(giantWords[i].xMax, paperX(300 + 4 * 1583));
    }
    EXPECT_LT(QFileInfo(target.device().lastFile()).size(), 256 * 1024);
}

} // namespace
