// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/RowName.h"

#include "tests/support/PdfReader.h"
#include "app/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

// The PDF device's printable area starts 10 pt from the page's corner.
constexpr double MarginPoints = 10;
constexpr double Tolerance = 0.5;

double pt(double twips)
{
    return twips / 20 + MarginPoints;
}

double dotsInPoints(int dots)
{
    return dots * 72.0 / 600;
}

QRectF ptRect(double left, double top, double right, double bottom)
{
    return QRectF(QPointF(pt(left), pt(top)), QPointF(pt(right), pt(bottom)));
}

QRectF boundsOf(const PdfReader::Stroke &stroke)
{
    QPolygonF polygon(stroke.points);
    return polygon.boundingRect();
}

bool near(const QRectF &a, const QRectF &b)
{
    return std::abs(a.left() - b.left()) <= Tolerance && std::abs(a.top() - b.top()) <= Tolerance
        && std::abs(a.right() - b.right()) <= Tolerance && std::abs(a.bottom() - b.bottom()) <= Tolerance;
}

std::optional<PdfReader::Word> findWord(const PdfReader::Content &content, const QString &text, int page = 1)
{
    for (const PdfReader::Word &word : content.words) {
        if (word.page == page && word.text == text)
            return word;
    }
    return std::nullopt;
}

int countStrokes(const PdfReader::Content &content, const QRectF &expected, int dots)
{
    return int(std::count_if(content.strokes.begin(), content.strokes.end(), [&](const PdfReader::Stroke &stroke) {
        return stroke.page == 1 && near(boundsOf(stroke), expected)
            && std::abs(stroke.widthPoints - dotsInPoints(dots)) < 0.05;
    }));
}

class PrintTest : public WindowFixture
{
protected:
    QString expectedFile() const { return QDir(m_pdfDir.path()).filePath("Calendar 2003-01.pdf"); }

    PdfReader::Content print()
    {
        QTest::mouseClick(child<QPushButton>(m_window, "cmdPrint"), Qt::LeftButton);
        EXPECT_TRUE(m_boxes.empty());
        EXPECT_TRUE(QFileInfo::exists(expectedFile()));
        return PdfReader::read(expectedFile());
    }
};

TEST_F(PrintTest, TitleIsCentredAboutItsAxis)
{
    const PdfReader::Content page = print();
    ASSERT_EQ(page.pages, 1);
    const auto month = findWord(page, "January");
    const auto year = findWord(page, "2003");
    ASSERT_TRUE(month && year);
    EXPECT_NEAR((month->box.left() + year->box.right()) / 2, pt(300 + 11160 / 2), Tolerance);
    EXPECT_NEAR(month->box.top(), year->box.top(), 0.01);
}

TEST_F(PrintTest, WeekdayHeadsEndAtTheirColumnEdges)
{
    const PdfReader::Content page = print();
    const QStringList heads = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int k = 0; k < heads.size(); ++k) {
        const auto head = findWord(page, heads[k]);
        ASSERT_TRUE(head) << heads[k].toStdString();
        EXPECT_NEAR(head->box.right(), pt(220 + 1580 + 1584 * k), Tolerance) << heads[k].toStdString();
    }
}

TEST_F(PrintTest, DayNumbersStartInTheirCells)
{
    const PdfReader::Content page = print();
    const int firstColumn = 3; // 1 January 2003 was a Wednesday
    for (int day = 1; day <= 31; ++day) {
        const int cell = firstColumn + day - 1;
        const auto number = findWord(page, QString::number(day));
        ASSERT_TRUE(number) << day;
        const int offset = day < 10 ? 1030 : 950;
        EXPECT_NEAR(number->box.left(), pt(offset + 600 + 1580 * (cell % 7)), Tolerance) << day;
        const auto first = findWord(page, "1");
        EXPECT_NEAR(number->box.top() - first->box.top(), 1680 / 20.0 * (cell / 7), Tolerance) << day;
    }
    EXPECT_FALSE(findWord(page, "32"));
}

TEST_F(PrintTest, FramesAndRulesLieWhereTheLayoutPutsThem)
{
    const PdfReader::Content page = print();
    EXPECT_EQ(countStrokes(page, ptRect(220, 4400, 11460, 15020), 4), 1) << "outer frame";
    EXPECT_EQ(countStrokes(page, ptRect(260, 4440, 11420, 14980), 6), 1) << "middle frame";
    EXPECT_EQ(countStrokes(page, ptRect(300, 4480, 11380, 14940), 8), 1) << "inner frame";
    for (int i = 1; i <= 6; ++i) {
        const double x = 300 + 1583 * i;
        EXPECT_EQ(countStrokes(page, ptRect(x, 4480, x, 14940), 12), 1) << "column rule " << i;
    }
    for (int i = 0; i < 6; ++i) {
        const double y = 4550 + 300 + 1680 * i;
        EXPECT_EQ(countStrokes(page, ptRect(300, y, 11380, y), 12), 1) << "grid rule " << i;
    }
}

TEST_F(PrintTest, PrintsTheFieldsAndTheDayNotes)
{
    typeInto(child<QLineEdit>(m_window, "txtHeader"), "Family");
    typeInto(child<QLineEdit>(m_window, "txtMessage(0)"), "Street");
    typeInto(child<QLineEdit>(m_window, "txtMessage(5)"), "Greetings");
    CalendarPage withNote = m_window->page();
    withNote.strNotes[4] = "Dentist";
    m_window->setPage(withNote);
    const PdfReader::Content page = print();
    for (const char *text : {"Family", "Street", "Greetings", "Dentist"})
        EXPECT_TRUE(findWord(page, text)) << text;
    const auto header = findWord(page, "Family");
    ASSERT_TRUE(header);
    EXPECT_NEAR(header->box.left(), pt(220), Tolerance);
}

TEST_F(PrintTest, ThreeCopiesAreThreeIdenticalPages)
{
    typeInto(child<QLineEdit>(m_window, "txtCopies"), "3");
    const PdfReader::Content copies = print();
    ASSERT_EQ(copies.pages, 3);
    auto pageWords = [&](int page) {
        QStringList texts;
        for (const PdfReader::Word &word : copies.words) {
            if (word.page == page)
                texts << QStringLiteral("%1@%2,%3").arg(word.text).arg(word.box.left()).arg(word.box.top());
        }
        return texts;
    };
    EXPECT_FALSE(pageWords(1).isEmpty());
    EXPECT_EQ(pageWords(2), pageWords(1));
    EXPECT_EQ(pageWords(3), pageWords(1));
}

struct ErrorRow
{
    const char *name;
    const char *month;
    const char *copies;
    const char *year;
    MsgBoxRequest box;
};

const std::vector<ErrorRow> errorRows = {
    {"MonthThirteen", "13", "1", "2003", {"Run-time error '5':\r\n\r\nInvalid procedure call or argument", 0, "Monthly Calendar"}},
    {"EmptyMonth", "", "1", "2003", {"Run-time error '5':\r\n\r\nInvalid procedure call or argument", 0, "Monthly Calendar"}},
    {"CopiesOverflow", "1", "40000", "2003", {"Run-time error '6':\r\n\r\nOverflow", 0, "Monthly Calendar"}},
    {"YearOverflow", "1", "1", "99999", {"Run-time error '6':\r\n\r\nOverflow", 0, "Monthly Calendar"}},
};

class PrintErrorTest : public WindowFixture, public ::testing::WithParamInterface<ErrorRow>
{
};

TEST_P(PrintErrorTest, ShowsTheErrorAndKeepsEverything)
{
    const ErrorRow &row = GetParam();
    typeInto(child<QLineEdit>(m_window, "txtYear"), row.year);
    typeInto(child<QLineEdit>(m_window, "txtMonth"), row.month);
    typeInto(child<QLineEdit>(m_window, "txtCopies"), row.copies);
    typeInto(child<QLineEdit>(m_window, "txtHeader"), "Header");
    for (int i = 0; i < 6; ++i)
        typeInto(child<QLineEdit>(m_window, QStringLiteral("txtMessage(%1)").arg(i)), QStringLiteral("line %1").arg(i));
    CalendarPage page = m_window->page();
    page.strNotes[9] = "Note";
    page.fonts.strCalFont = "Liberation Serif";
    page.picture = Picture::fromImage(QImage(4, 4, QImage::Format_RGB32), QSizeF(60, 60));
    page.binSelPic = true;
    m_window->setPage(page);

    QTest::mouseClick(child<QPushButton>(m_window, "cmdPrint"), Qt::LeftButton);

    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], row.box);
    EXPECT_TRUE(QDir(m_pdfDir.path()).isEmpty()) << "an unfinished page is not printed";
    EXPECT_EQ(child<QLineEdit>(m_window, "txtYear")->text(), row.year);
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMonth")->text(), row.month);
    EXPECT_EQ(child<QLineEdit>(m_window, "txtCopies")->text(), row.copies);
    EXPECT_EQ(child<QLineEdit>(m_window, "txtHeader")->text(), "Header");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(child<QLineEdit>(m_window, QStringLiteral("txtMessage(%1)").arg(i))->text(), QStringLiteral("line %1").arg(i));
    EXPECT_EQ(m_window->page().strNotes[9], "Note");
    EXPECT_EQ(m_window->page().fonts.strCalFont, "Liberation Serif");
    EXPECT_TRUE(m_window->page().binSelPic);
    EXPECT_FALSE(child<PictureBox>(m_window, "picTemp")->picture().isNull());

    typeInto(child<QLineEdit>(m_window, "txtYear"), "2003");
    typeInto(child<QLineEdit>(m_window, "txtMonth"), "1");
    typeInto(child<QLineEdit>(m_window, "txtCopies"), "1");
    QTest::mouseClick(child<QPushButton>(m_window, "cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(QDir(m_pdfDir.path()).filePath("Calendar 2003-01.pdf")))
        << "the next print works";
}

INSTANTIATE_TEST_SUITE_P(Errors, PrintErrorTest, ::testing::ValuesIn(errorRows),
                         RowName());

} // namespace
