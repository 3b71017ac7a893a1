// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/PdfReader.h"

#include "app/RememberedPage.h"
#include "dialogs/frmFindFiles.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <ctime>

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
        // A calendar file is read while the busy cursor shows.
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::overrideCursor(); }));
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

TEST_F(CalendarFileRequestTest, AnotherCalendarFileIsAttachedBesideTheFirst)
{
    selectDayNotes("club.ics");
    const auto first = m_window->page().events;
    selectDayNotes("family.vcf");
    ASSERT_NE(m_window->page().events, nullptr);
    EXPECT_NE(m_window->page().events, first);
    EXPECT_EQ(m_window->remembered().calendarFiles.size(), 2);
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

// Meetings enough in the month printed that laying them costs far more than
// showing the page.
QByteArray busyMonth(const CalendarPage &page)
{
    QByteArray events;
    const QString month = page.txtYear + page.txtMonth.rightJustified(2, u'0');
    for (int i = 0; i < 60000; ++i) {
        events += QStringLiteral("BEGIN:VEVENT\r\nDTSTART:%1%2T%3%4\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n")
                      .arg(month, QString::number(i % 28 + 1).rightJustified(2, u'0'),
                           QString::number(i % 24).rightJustified(2, u'0'),
                           QString::number(i % 60).rightJustified(4, u'0'))
                      .toLatin1();
    }
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + events + "END:VCALENDAR\r\n";
}

// The window's own thread's time, in milliseconds.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

// The month's notes are laid once, not on every keystroke: twenty keys, each
// shown in the open preview, cost less than laying the month ten times.
TEST_F(CalendarFileRequestTest, TypingWithThePreviewOpenLaysTheEventsOnce)
{
    writeFile("busy.ics", busyMonth(m_window->page()));
    m_window->openFiles({workPath("busy.ics")});
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::overrideCursor(); }, 30000));
    ASSERT_NE(m_window->page().events, nullptr);
    m_window->findChild<QAction *>("mnuPreview")->trigger();
    QCoreApplication::processEvents();
    // In another locale the month is laid anew.
    double start = threadMs();
    DayNotes strNotes;
    m_window->page().events->addNotes(strNotes, m_window->page().txtYear.toInt(), m_window->page().txtMonth.toInt(),
                                      QLocale(QLocale::German));
    const double layingMs = threadMs() - start;
    start = threadMs();
    for (const char key : QByteArray("Twenty keys typed...")) {
        QTest::keyClick(child<QLineEdit>(m_window, "txtHeader"), key);
        QCoreApplication::processEvents();
    }
    EXPECT_LT(threadMs() - start, 10 * layingMs);
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
