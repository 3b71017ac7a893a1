// SPDX-License-Identifier: MIT
#include "CalendarNotes.h"
#include "tests/support/RowName.h"

#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QLocale British(QLocale::English, QLocale::UnitedKingdom);
const QTimeZone Berlin("Europe/Berlin");

QByteArray calendarWith(const QByteArray &event)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n" + event
           + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

// Why a file is refused, and the event or time zone it names.
struct Why
{
    Refusal::Reason reason;
    const char *name;
};

struct RefusalRow
{
    const char *name;
    QByteArray data;
    Why why;
};

class RefusalTest : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(RefusalTest, SaysWhatIsWrong)
{
    const CalendarFileRead read = readCalendarData(GetParam().data, Berlin);
    EXPECT_EQ(read.events, nullptr);
    const Why &why = GetParam().why;
    EXPECT_EQ(read.refusal, (Refusal{Refusal::Subject::Calendar, why.reason, QString(), QString::fromUtf8(why.name)}));
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, RefusalTest,
    ::testing::Values(
        RefusalRow{"PlainText", "Dear Ann,\r\nsee you on Tuesday.\r\n",
                   {Refusal::Reason::NotCalendar, ""}},
        RefusalRow{"CalendarNeverEnded", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20270101\r\n",
                   {Refusal::Reason::InvalidCalendar, ""}},
        RefusalRow{"CalendarOfGarbage", "BEGIN:VCALENDAR\r\n\x01\x02\x03garbage\r\n",
                   {Refusal::Reason::InvalidCalendar, ""}},
        RefusalRow{"EventWithoutDate", calendarWith("SUMMARY:Choir\r\n"), {Refusal::Reason::EventWithoutDate, "Choir"}},
        RefusalRow{"EventWithUnreadableDate", calendarWith("SUMMARY:Choir\r\nDTSTART:next Tuesday\r\n"),
                   {Refusal::Reason::EventWithoutDate, "Choir"}},
        RefusalRow{"DateInMonth78", calendarWith("SUMMARY:Choir\r\nDTSTART;VALUE=DATE:16437851\r\n"),
                   {Refusal::Reason::EventWithoutDate, "Choir"}},
        RefusalRow{"AMillionTimesByDayOfTheYear",
                   calendarWith("SUMMARY:Walk\r\nDTSTART;VALUE=DATE:20270101\r\n"
                                "RRULE:FREQ=DAILY;BYYEARDAY=1,100;COUNT=1000000\r\n"),
                   {Refusal::Reason::TooManyRepeats, "Walk"}},
        RefusalRow{"TimeZoneChangingHourly",
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\n"
                   "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\n"
                   "RRULE:FREQ=HOURLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\n"
                   "UID:1\r\nSUMMARY:Choir\r\nDTSTART;TZID=Europe/Berlin:20270106T193000\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n",
                   {Refusal::Reason::UnreadableTimeZone, "Europe/Berlin"}},
        RefusalRow{"CardNeverEnded", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nBDAY:1990-01-15\r\n",
                   {Refusal::Reason::CardNeverEnded, ""}},
        RefusalRow{"CardInsideACard", "BEGIN:VCARD\r\nFN:Ann\r\nBEGIN:VCARD\r\nEND:VCARD\r\nEND:VCARD\r\n",
                   {Refusal::Reason::CardInsideCard, ""}},
        RefusalRow{"CardEndedTwice", "BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\nEND:VCARD\r\n",
                   {Refusal::Reason::CardNeverBegun, ""}},
        RefusalRow{"CardNameFoldedPastTheLongestLine",
                   "BEGIN:VCARD\r\nFN:" + QByteArray(40000, 'x') + "\r\n " + QByteArray(40000, 'x')
                       + "\r\nBDAY:1990-01-15\r\nEND:VCARD\r\n",
                   {Refusal::Reason::LineTooLong, ""}}),
    RowName());

QByteArray utf16(const char16_t *text)
{
    QStringEncoder toUtf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return toUtf16(QString::fromUtf16(text));
}

struct KindRow
{
    const char *name;
    QByteArray data;
    bool calendar;
};

class KindTest : public ::testing::TestWithParam<KindRow>
{
};

TEST_P(KindTest, DecidedByContentAlone)
{
    EXPECT_EQ(isCalendarData(GetParam().data), GetParam().calendar);
}

INSTANTIATE_TEST_SUITE_P(
    Content, KindTest,
    ::testing::Values(KindRow{"Calendar", "BEGIN:VCALENDAR\r\n", true},
                      KindRow{"AddressBook", "BEGIN:VCARD\r\n", true},
                      KindRow{"LowerCaseAfterBomAndBlankLines", "\xEF\xBB\xBF\r\n\r\n  begin:vcard\r\n", true},
                      KindRow{"Utf16AddressBook", utf16(u"BEGIN:VCARD\r\n"), true},
                      KindRow{"OtherComponent", "BEGIN:VCALENDARS\r\nEND:VCALENDARS\r\n", false},
                      KindRow{"ControlFile", "HDR Garden Club\r\nDAY 17 BEGIN:VCARD\r\n", false},
                      KindRow{"Empty", "", false}),
    RowName());

TEST(CalendarLineEndsTest, CarriageReturnsAloneEndLinesToo)
{
    for (const char *file : {"club.ics", "contacts.vcf"}) {
        const QByteArray data = calendarData(QString::fromLatin1(file));
        const FilledDays expected = notesOfMonth(data, 2027, 1, Berlin, British);
        EXPECT_FALSE(expected.empty()) << file;
        EXPECT_EQ(notesOfMonth(QByteArray(data).replace("\r\n", "\r"), 2027, 1, Berlin, British), expected) << file;
    }
}

TEST(CalendarByteOrderMarksTest, AreSkipped)
{
    const QString card =
        QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\u00EB\r\nBDAY:1990-01-15\r\nEND:VCARD\r\n");
    const QString calendar = QString::fromUtf8(calendarWith("SUMMARY:Choir\r\nDTSTART;VALUE=DATE:20270106\r\n"));
    for (const auto encoding : {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        const auto withMark = [&](const QString &text) {
            return QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text));
        };
        EXPECT_EQ(notesOfMonth(withMark(card), 2027, 1, Berlin, British), (FilledDays{{15, "Zoë is  37"}}))
            << encoding;
        EXPECT_EQ(notesOfMonth(withMark(calendar), 2027, 1, Berlin, British), (FilledDays{{6, "Choir"}})) << encoding;
    }
}

// Tuesdays and Thursdays of January 2027 but the 12th and the 14th, written
// with blanks around the separators and a value folded after a comma.
TEST(CalendarRulesTest, BlanksAroundSeparatorsAreIgnored)
{
    const QByteArray data = calendarWith("SUMMARY:Course\r\nDTSTART;VALUE=DATE:20270105\r\n"
                                         "RRULE:FREQ=WEEKLY ;BYDAY=TU ,TH; UNTIL = 20270131\r\n"
                                         "EXDATE;VALUE=DATE:20270112 ,\r\n 20270114\r\n");
    EXPECT_EQ(notesOfMonth(data, 2027, 1, Berlin, British),
              (FilledDays{
                  {5, "Course"}, {7, "Course"}, {19, "Course"}, {21, "Course"}, {26, "Course"}, {28, "Course"}}));
}

class CalendarFileTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(CalendarFileTest, NameDoesNotDecide)
{
    EXPECT_TRUE(isCalendarFile(write("club.txt", calendarData("club.ics"))));
    EXPECT_FALSE(isCalendarFile(write("notes.ics", "DAY 5 Dentist\r\n")));
}

TEST_F(CalendarFileTest, OnlyRegularFilesAreLookedInto)
{
    const QString fifo = m_dir.filePath("pipe.ics");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // Opening a pipe with no writer would wait for ever.
    EXPECT_FALSE(isCalendarFile(fifo));
    EXPECT_EQ(readCalendarFile(fifo, Berlin).refusal->reason, Refusal::Reason::Unreadable);
    EXPECT_FALSE(isCalendarFile(m_dir.path()));
    EXPECT_EQ(readCalendarFile(m_dir.filePath("missing.ics"), Berlin).refusal->reason, Refusal::Reason::Unreadable);
}

TEST_F(CalendarFileTest, HugeFileIsRefusedUnread)
{
    const QString path = write("huge.ics", "BEGIN:VCALENDAR\r\n");
    QFile file(path);
    ASSERT_TRUE(file.resize(100 * 1024 * 1024));
    EXPECT_TRUE(isCalendarFile(path));
    const CalendarFileRead read = readCalendarFile(path, Berlin);
    EXPECT_EQ(read.events, nullptr);
    EXPECT_EQ(read.refusal->reason, Refusal::Reason::TooLarge);
}

TEST_F(CalendarFileTest, SeveralFilesMakeOneSource)
{
    const CalendarFileRead read = readCalendarFiles(
        {write("contacts.vcf", calendarData("contacts.vcf")), write("club.ics", calendarData("club.ics"))}, Berlin);
    ASSERT_NE(read.events, nullptr);
    DayNotes strNotes;
    read.events->addNotes(strNotes, 2027, 1, British);
    EXPECT_EQ(strNotes[4], "Kim Lee is  27 ^ 10:00 Dentist");
    EXPECT_EQ(strNotes[29], "Ski trip ^ 22:00 Party");
}

TEST_F(CalendarFileTest, OneBadFileRefusesTheSetAndIsNamed)
{
    const QString broken = write("broken.vcf", "BEGIN:VCARD\r\nFN:Ann\r\n");
    const CalendarFileRead read = readCalendarFiles({write("club.ics", calendarData("club.ics")), broken}, Berlin);
    EXPECT_EQ(read.events, nullptr);
    EXPECT_EQ(read.refusal, (Refusal{Refusal::Subject::Calendar, Refusal::Reason::CardNeverEnded, broken, {}}));
}

TEST_F(CalendarFileTest, EntriesThatCannotBeReadAreLeftOutAndCounted)
{
    const QString mixed = write("mixed.ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                                             "SUMMARY:Chime\r\nDTSTART;VALUE=DATE:20270104\r\n"
                                             "RRULE:FREQ=WEEKLY;INTERVAL=0\r\nEND:VEVENT\r\n"
                                             "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Choir\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\n"
                                             "UID:c\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20270111\r\nEND:VEVENT\r\n"
                                             "END:VCALENDAR\r\n");
    const CalendarFileRead read =
        readCalendarFiles({write("contacts.vcf", calendarData("contacts.vcf")), mixed}, Berlin);
    ASSERT_NE(read.events, nullptr);
    ASSERT_EQ(read.leftOut.size(), 1u);
    EXPECT_EQ(read.leftOut[0].file, mixed);
    EXPECT_EQ(read.leftOut[0].count, 2);
    EXPECT_EQ(read.leftOut[0].first,
              (Refusal{Refusal::Subject::Calendar, Refusal::Reason::UnreadableRule, mixed, "Chime"}));
    DayNotes strNotes;
    read.events->addNotes(strNotes, 2027, 1, British);
    EXPECT_EQ(strNotes[3], "");
    EXPECT_EQ(strNotes[4], "Kim Lee is  27");
    EXPECT_EQ(strNotes[10], "Fair");
}

TEST(CalendarEventsTest, NotesComeAfterWhatTheDayHolds)
{
    const CalendarFileRead read = readCalendarData(calendarData("club.ics"), Berlin);
    ASSERT_NE(read.events, nullptr);
    DayNotes strNotes;
    strNotes[29] = QStringLiteral("Planting day");
    read.events->addNotes(strNotes, 2027, 1, British);
    EXPECT_EQ(strNotes[29], "Planting day ^ Ski trip ^ 22:00 Party");
}

TEST(CalendarEventsTest, AllDayEventsAndBirthdaysComeBeforeTimedOnes)
{
    const QByteArray data = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                            "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Late\r\nDTSTART:20270105T200000\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Early\r\nDTSTART:20270105T073000\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Holiday\r\nDTSTART;VALUE=DATE:20270105\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:d\r\nSUMMARY:Ann\r\nCATEGORIES:BIRTHDAY\r\nRRULE:FREQ=YEARLY\r\n"
                            "DTSTART;VALUE=DATE:19900105\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(notesOfMonth(data, 2027, 1, Berlin, British),
              (FilledDays{{5, "Ann is  37 ^ Holiday ^ 07:30 Early ^ 20:00 Late"}}));
}

} // namespace
