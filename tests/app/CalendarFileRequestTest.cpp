// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/PdfReader.h"

#include "dialogs/frmFindFiles.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray Club = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
                        "BEGIN:VEVENT\r\nUID:committee\r\nSUMMARY:Committee\r\nDTSTART;VALUE=DATE:20040309\r\n"
                        "RRULE:FREQ=MONTHLY;BYDAY=2TU\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
// An event without a date and one that repeats every no days, among good ones.
const QByteArray Mixed = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Choir\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\n"
                         "SUMMARY:Chime\r\nDTSTART;VALUE=DATE:20040301\r\nRRULE:FREQ=DAILY;INTERVAL=0\r\nEND:VEVENT\r\n"
                         "BEGIN:VEVENT\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20040311\r\nEND:VEVENT\r\n"
                         "END:VCALENDAR\r\n";
const QByteArray Family = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Grandfather\r\nBDAY:1950-03-17\r\nEND:VCARD\r\n";

class CalendarFileRequestTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        writeFile("notes.txt", "YER 2004\r\nMON 3\r\nDAY 9 Dentist\r\n");
        writeFile("club.ics", Club);
        writeFile("family.vcf", Family);
        writeFile("mixed.ics", Mixed);
        writeFile("broken.ics", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Choir\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        m_window->show();
        QCoreApplication::processEvents();
    }

    void writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    // "Select Day Notes", the file picked in the chooser, "Select".
    void selectDayNotes(const QString &name)
    {
        QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
        frmFindFiles *chooser = windowTitled<frmFindFiles>("Select Files");
        QListWidget *files = child<QListWidget>(chooser, "filFilename");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
        QTest::mouseClick(child<QPushButton>(chooser, "cmdDone"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // The words of the printed page, in reading order.
    QString printedText()
    {
        QTest::mouseClick(child<QPushButton>(m_window, "cmdPrint"), Qt::LeftButton);
        const QStringList pdfs = QDir(m_pdfDir.path()).entryList({"*.pdf"}, QDir::Files, QDir::Time);
        EXPECT_FALSE(pdfs.isEmpty());
        QStringList words;
        if (!pdfs.isEmpty()) {
            for (const PdfReader::Word &word : PdfReader::words(m_pdfDir.filePath(pdfs.first())))
                words.append(word.text);
        }
        return words.join(u' ');
    }
};

TEST_F(CalendarFileRequestTest, CalendarFileStaysAttachedAndPrintsAfterTheDaysNotes)
{
    selectDayNotes("notes.txt");
    selectDayNotes("club.ics");
    EXPECT_TRUE(m_boxes.empty());
    ASSERT_NE(m_window->page().events, nullptr);
    EXPECT_EQ(m_window->page().strNotes[8], "Dentist") << "a calendar file leaves the control file's notes alone";
    EXPECT_TRUE(printedText().contains("Dentist Committee"));
}

TEST_F(CalendarFileRequestTest, EachPrintedMonthGetsItsOwnDates)
{
    selectDayNotes("family.vcf");
    QLineEdit *txtMonth = child<QLineEdit>(m_window, "txtMonth");
    txtMonth->clear();
    QTest::keyClicks(txtMonth, "3");
    EXPECT_TRUE(printedText().contains("Grandfather is"));
    txtMonth->clear();
    QTest::keyClicks(txtMonth, "4");
    EXPECT_FALSE(printedText().contains("Grandfather"));
}

TEST_F(CalendarFileRequestTest, AnotherCalendarFileReplacesTheFirst)
{
    selectDayNotes("club.ics");
    const auto first = m_window->page().events;
    selectDayNotes("family.vcf");
    ASSERT_NE(m_window->page().events, nullptr);
    EXPECT_NE(m_window->page().events, first);
}

TEST_F(CalendarFileRequestTest, BadCalendarFileSaysWhyAndKeepsTheSourceAndNotes)
{
    selectDayNotes("notes.txt");
    selectDayNotes("club.ics");
    const CalendarPage before = m_window->page();
    selectDayNotes("broken.ics");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes.front(), (MsgBoxRequest{"Try again . . .\r\nThe event \"Choir\" has no date.", 0, ""}));
    EXPECT_EQ(m_window->page().events, before.events);
    EXPECT_EQ(m_window->page().strNotes, before.strNotes);
}

TEST_F(CalendarFileRequestTest, EntriesLeftOutAreToldOnceAfterAttaching)
{
    selectDayNotes("notes.txt");
    selectDayNotes("mixed.ics");
    const MsgBoxRequest leftOut{"mixed.ics: 2 entries are left out. The first: The event \"Choir\" has no date.", 64,
                                ""};
    EXPECT_EQ(m_boxes, std::vector<MsgBoxRequest>{leftOut});
    EXPECT_TRUE(printedText().contains(QStringLiteral("Fair")));
}

TEST_F(CalendarFileRequestTest, ControlFileAfterACalendarFileKeepsTheEvents)
{
    selectDayNotes("club.ics");
    const auto events = m_window->page().events;
    selectDayNotes("notes.txt");
    EXPECT_EQ(m_window->page().events, events);
    EXPECT_EQ(m_window->page().strNotes[8], "Dentist");
}

} // namespace
