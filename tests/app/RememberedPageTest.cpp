// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/RowName.h"

#include "app/PageKeeper.h"
#include "dialogs/CalendarFilesList.h"
#include "page/EventSource.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray Club = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Committee\r\nDTSTART;VALUE=DATE:20040309\r\n"
                        "END:VEVENT\r\nEND:VCALENDAR\r\n";
const QByteArray Fair = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20040311\r\n"
                        "END:VEVENT\r\nEND:VCALENDAR\r\n";

class RememberedPageTest : public WindowFixture
{
protected:
    void writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    // Lets the window's events run until done() holds; calendar files are
    // read on another thread.
    template<typename Done>
    bool settle(Done done)
    {
        const QDeadlineTimer deadline(20000);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    }

    static QString notesOfMarch2004(const frmSorvane &window)
    {
        DayNotes notes;
        if (window.page().events)
            window.page().events->addNotes(notes, 2004, 3, QLocale::c());
        return QStringList(notes.begin(), notes.end()).join(u'|');
    }

    QString settingsFile() const { return workPath(QStringLiteral("settings/Monthly Calendar.ini")); }
};

// The page a window showed when it ended is the next window's page.
TEST_F(RememberedPageTest, NextWindowShowsThePageTheLastOneShowed)
{
    writeFile(QStringLiteral("notes.txt"), "HDR The Smiths\r\nNOT 12 Elm Road\r\nYER 2004\r\nMON 3\r\nDAY 9 Dentist\r\n");
    writeFile(QStringLiteral("club.ics"), Club);
    writeFile(QStringLiteral("fair.ics"), Fair);
    QImage(20, 10, QImage::Format_RGB32).save(workPath(QStringLiteral("sun.bmp")));
    m_window->openFiles({workPath(QStringLiteral("notes.txt")), workPath(QStringLiteral("sun.bmp")),
                         workPath(QStringLiteral("club.ics")), workPath(QStringLiteral("fair.ics"))});
    CalendarPage typed = m_window->page();
    typed.txtCopies = QStringLiteral("3");
    typed.txtMessage[CalendarPage::MessageLine] = QStringLiteral("Ünïcödé, 日本語");
    typed.fonts.strHdrFont = QStringLiteral("Liberation Serif");
    m_window->setPage(typed);
    ASSERT_TRUE(settle([&] { return m_window->remembered().calendarFiles.size() == 2; }));
    PageKeeper(*m_window, *m_printers, PageSettings(settingsFile())).store();

    frmSorvane next(*m_printers, [this](const MsgBoxRequest &request) { m_boxes.push_back(request); });
    PageKeeper keeper(next, *m_printers, PageSettings(settingsFile()));
    keeper.restore();
    next.show();
    ASSERT_TRUE(settle([&] { return next.page().events && next.page().binSelPic; }));

    const RememberedPage was = m_window->remembered();
    const RememberedPage is = next.remembered();
    EXPECT_EQ(is.page.txtYear, QStringLiteral("2004"));
    for (const auto field : {&CalendarPage::txtYear, &CalendarPage::txtMonth, &CalendarPage::txtCopies, &CalendarPage::txtHeader})
        EXPECT_EQ(is.page.*field, was.page.*field);
    EXPECT_EQ(is.page.txtMessage, was.page.txtMessage);
    EXPECT_EQ(is.page.fonts, was.page.fonts);
    EXPECT_EQ(is.picturePath, workPath(QStringLiteral("sun.bmp")));
    EXPECT_EQ(is.calendarFiles, was.calendarFiles);
    EXPECT_EQ(is.controlFile, workPath(QStringLiteral("notes.txt")));
    EXPECT_EQ(notesOfMarch2004(next), notesOfMarch2004(*m_window));
    EXPECT_EQ(next.page().strNotes, DayNotes()) << "notes come from the control file, read again on request";
    EXPECT_TRUE(m_boxes.empty());
}

// Detaching one of two calendar files takes away its notes only.
TEST_F(RememberedPageTest, DetachingOneCalendarFileKeepsTheOther)
{
    writeFile(QStringLiteral("club.ics"), Club);
    writeFile(QStringLiteral("fair.ics"), Fair);
    m_window->openFiles({workPath(QStringLiteral("club.ics"))});
    ASSERT_TRUE(settle([&] { return m_window->remembered().calendarFiles.size() == 1; }));
    m_window->openFiles({workPath(QStringLiteral("fair.ics"))});
    ASSERT_TRUE(settle([&] { return m_window->remembered().calendarFiles.size() == 2; }));
    EXPECT_TRUE(notesOfMarch2004(*m_window).contains(QStringLiteral("Committee")));
    EXPECT_TRUE(notesOfMarch2004(*m_window).contains(QStringLiteral("Fair")));

    m_window->findChild<QAction *>(QStringLiteral("mnuCalendarFiles"))->trigger();
    auto *list = m_window->findChild<CalendarFilesList *>();
    ASSERT_NE(list, nullptr);
    auto *files = list->findChild<QListWidget *>(QStringLiteral("lstCalendarFiles"));
    ASSERT_EQ(files->count(), 2);
    files->setCurrentItem(files->findItems(QStringLiteral("club.ics"), Qt::MatchEndsWith).constFirst());
    QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("cmdDetach")), Qt::LeftButton);

    ASSERT_TRUE(settle([&] { return !notesOfMarch2004(*m_window).contains(QStringLiteral("Committee")); }));
    EXPECT_TRUE(notesOfMarch2004(*m_window).contains(QStringLiteral("Fair")));
    EXPECT_EQ(files->count(), 1);
}

const QByteArray GoodSettings = "[General]\nversion=1\n[device]\nname=\npaper=\n"
                                "[files]\ncalendars=@Invalid()\ncontrol=\npicture=\nrecent=@Invalid()\n"
                                "[fonts]\naddress=Times\ncalendar=Arial\nheader=Arial\nmessage=Arial\nmonth=Courier\n"
                                "[page]\ncopies=2\nheader=Kept\nline1=\nline2=\nline3=\nline4=\nline5=\n"
                                "message=\nmonth=4\nyear=2031\n";

struct BadSettingsRow
{
    const char *name;
    QByteArray replace;
    QByteArray with;
    QString year;
    QString copies;
    QString monthFont;
    bool keptAside;
};

class BadSettingsTest : public RememberedPageTest, public ::testing::WithParamInterface<BadSettingsRow>
{
};

// What is valid is shown, start values stand for the rest, no box comes,
// and the file is kept aside once.
TEST_P(BadSettingsTest, ValidFieldsAreRestoredAndTheFileKeptAside)
{
    const BadSettingsRow &row = GetParam();
    QDir().mkpath(workPath(QStringLiteral("settings")));
    QByteArray contents = GoodSettings;
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.replace.isEmpty() ? contents : contents.replace(row.replace, row.with));
    file.close();

    PageKeeper keeper(*m_window, *m_printers, PageSettings(settingsFile()));
    bool restored = false;
    QObject::connect(&keeper, &PageKeeper::restored, [&restored] { restored = true; });
    keeper.restore();
    m_window->show();
    ASSERT_TRUE(settle([&] { return restored; }));

    const CalendarPage &page = m_window->page();
    EXPECT_EQ(page.txtYear, row.year);
    EXPECT_EQ(page.txtCopies, row.copies);
    EXPECT_EQ(page.fonts.strMonthFont, row.monthFont);
    EXPECT_EQ(QFile::exists(settingsFile() + QStringLiteral(".bak")), row.keptAside);
    EXPECT_TRUE(m_boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettingsTest,
    ::testing::Values(
        BadSettingsRow{"Good", {}, {}, "2031", "2", "Courier", false},
        BadSettingsRow{"NonsenseValues", "copies=2", "copies=1e9", "2031", "1", "Courier", true},
        BadSettingsRow{"YearNotANumber", "year=2031", "year=abc", "2003", "2", "Courier", true},
        BadSettingsRow{"FontEmpty", "month=Courier", "month=", "2031", "2", "Arial", true},
        BadSettingsRow{"NewerVersion", "version=1", "version=7", "2031", "2", "Courier", true},
        BadSettingsRow{"Truncated", "month=4\nyear=2031\n", "mon", "2003", "2", "Courier", true},
        BadSettingsRow{"GarbledStart", "[General]\nversion=1", QByteArray("\0\xff\xfe[", 4), "2031", "2", "Courier", true},
        BadSettingsRow{"DeviceGone", "name=\n", "name=Gone Printer\n", "2031", "2", "Courier", true}),
    RowName());

} // namespace
