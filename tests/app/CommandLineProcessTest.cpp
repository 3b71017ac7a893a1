// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "app/Version.h"
#include "app/frmSorvane.h"
#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"
#include "tests/support/PdfReader.h"
#include "tests/support/RowName.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <unistd.h>

namespace {

// Column rules of the grid are 1583 twips apart: 79.15 pt.
constexpr double ColumnPoints = 1583.0 / 20;

class CommandLineProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("home"));
        m_environment = ProgramRun::environment(m_dir.filePath(QStringLiteral("home")),
                                                m_dir.filePath(QStringLiteral("no-cups.sock")));
    }

    ProgramRun run(const QStringList &arguments) const
    {
        return ProgramRun::run(arguments, m_dir.path(), m_environment);
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString writeFile(const QString &name, const QByteArray &contents) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }

    QString writePicture(const QString &name, QSize pixels) const
    {
        QImage image(pixels, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x * 255 / image.width(), y * 255 / image.height(), (x ^ y) & 0xff));
        }
        EXPECT_TRUE(image.save(path(name), "JPEG", 90));
        return path(name);
    }

    // Every file of the working folder, hidden ones included.
    QStringList filesLeft() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    static QList<PdfReader::Word> wordsOn(const PdfReader::Content &content, int page)
    {
        QList<PdfReader::Word> words;
        for (const PdfReader::Word &word : content.words) {
            if (word.page == page)
                words.append(word);
        }
        return words;
    }

    static std::optional<PdfReader::Word> find(const PdfReader::Content &content, int page, const QString &text)
    {
        for (const PdfReader::Word &word : wordsOn(content, page)) {
            if (word.text == text)
                return word;
        }
        return std::nullopt;
    }

    // The month title of a page: the word before the year. The PDF's text
    // may spell ideographs by compatibility forms (a Kangxi radical for 月).
    static QString titleOf(const PdfReader::Content &content, int page, const QString &year)
    {
        const QList<PdfReader::Word> words = wordsOn(content, page);
        for (qsizetype i = 1; i < words.size(); ++i) {
            if (words[i].text == year && words[i - 1].box.height() > 25)
                return words[i - 1].text.normalized(QString::NormalizationForm_KC) + u' ' + year;
        }
        return {};
    }

    // A note lies in its day's cell: the column of the day's number, below
    // it and above the number of the same weekday a week later.
    static void expectInCell(const PdfReader::Content &content, int page, const QString &note, int day)
    {
        SCOPED_TRACE(note.toStdString());
        const auto word = find(content, page, note);
        const auto number = find(content, page, QString::number(day));
        const auto nextWeek = find(content, page, QString::number(day + 7));
        ASSERT_TRUE(word && number && nextWeek);
        EXPECT_LT(std::abs(word->box.center().x() - number->box.center().x()), ColumnPoints);
        EXPECT_GT(word->box.top(), number->box.top());
        EXPECT_LT(word->box.bottom(), nextWeek->box.top());
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};

TEST_F(CommandLineProcessTest, HelpAndVersionNeedNoDisplay)
{
    const ProgramRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.standardOutput.contains(QStringLiteral("--print"))) << help.standardOutput.toStdString();

    const ProgramRun version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.standardOutput, QStringLiteral("monthly-calendar " MONTHLYCALENDAR_VERSION "\n"));
}

struct UsageRow
{
    const char *name;
    QStringList arguments;
    const char *error;
    const char *language = "en";
};

const UsageRow usageRows[] = {
    {"UnknownOption", {"--print", "--colour", "red"}, "Unknown option 'colour'."},
    {"MonthOutOfRange", {"--print", "--month", "13"}, "--month takes a month from 1 to 12"},
    {"FieldWithoutPrint", {"--header", "Club"}, "--header needs --print"},
    {"WeekStartUnknown", {"--print", "--week-start", "friday"}, "--week-start takes one of sunday, monday, locale"},
    {"MonthOutOfRangeInGerman", {"--print", "--month", "13"}, "--month nimmt einen Monat von 1 bis 12", "de"},
};

class CommandLineUsageTest : public CommandLineProcessTest, public ::testing::WithParamInterface<UsageRow>
{
};

TEST_P(CommandLineUsageTest, BadUsageIsStatusOneAndWritesNothing)
{
    const UsageRow &row = GetParam();
    m_environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(row.language));
    const ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.standardError.startsWith(QStringLiteral("monthly-calendar: ") + QString::fromUtf8(row.error)))
        << result.standardError.toStdString();
    EXPECT_TRUE(result.standardError.contains(QStringLiteral("--help")));
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineUsageTest, ::testing::ValuesIn(usageRows), RowName());

TEST_F(CommandLineProcessTest, AYearWithHeaderAndPictureIsTwelvePagesInOrderWithThePictureStoredOnce)
{
    writePicture(QStringLiteral("tulips.jpg"), QSize(1600, 1200));
    const ProgramRun result = run({"--print", "--year", "2027", "--header", "Garden Club", "--picture", "tulips.jpg",
                                   "--output", "2027.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();

    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("2027.pdf")));
    ASSERT_EQ(content.pages, 12);
    const QLocale locale;
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        EXPECT_EQ(titleOf(content, month, QStringLiteral("2027")),
                  locale.standaloneMonthName(month) + QStringLiteral(" 2027"));
        EXPECT_TRUE(find(content, month, QStringLiteral("Garden")));
    }
    EXPECT_EQ(content.images.size(), 12);
    // Twelve copies of the picture would take far more than one.
    const ProgramRun single = run({"--print", "--month", "1", "--picture", "tulips.jpg", "--output", "one.pdf"});
    ASSERT_EQ(single.exitCode, 0);
    EXPECT_LT(QFileInfo(path(QStringLiteral("2027.pdf"))).size(),
              QFileInfo(path(QStringLiteral("one.pdf"))).size() + 200 * 1024);
}

// Qt tells that the Hindi month's face lacks OpenType tables it does not need.
TEST_F(CommandLineProcessTest, PageThatPrintsWellLeavesStandardErrorEmpty)
{
    m_environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("hi_IN.UTF-8"));
    const ProgramRun result = run({"--print", "--month", "3", "--output", "hi.pdf"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardError, QString());
}

TEST_F(CommandLineProcessTest, EventsFromACalendarFileGoOnEachMonthsOwnDays)
{
    writeFile(QStringLiteral("club.ics"),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
              "BEGIN:VEVENT\r\nUID:second-tuesday@test\r\nDTSTAMP:20261201T000000Z\r\n"
              "DTSTART;VALUE=DATE:20270112\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\nSUMMARY:Committee\r\n"
              "END:VEVENT\r\nEND:VCALENDAR\r\n");
    const ProgramRun result =
        run({"--print", "--months", "2027-01..2027-03", "--events", "club.ics", "--output", "events.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("events.pdf")));
    ASSERT_EQ(content.pages, 3);
    // The second Tuesdays of January, February and March 2027.
    const int days[] = {12, 9, 9};
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        expectInCell(content, page, QStringLiteral("Committee"), days[page - 1]);
    }
}

TEST_F(CommandLineProcessTest, EventThatCannotBeReadIsLeftOutWithOneLine)
{
    writeFile(QStringLiteral("club.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Committee\r\n"
                                          "DTSTART;VALUE=DATE:20270112\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    writeFile(QStringLiteral("mixed.ics"),
              "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Chime\r\nDTSTART:20270104T100000Z\r\n"
              "RRULE:FREQ=WEEKLY;INTERVAL=0\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nSUMMARY:Fair\r\n"
              "DTSTART;VALUE=DATE:20270111\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const ProgramRun result = run({"--print", "--year", "2027", "--month", "1", "--events", "club.ics", "--events",
                                   "mixed.ics", "--output", "e.pdf"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardError, QStringLiteral("monthly-calendar: mixed.ics: warning: 1 entry is left out. The "
                                                   "event \"Chime\" has a repetition that cannot be read.\n"));
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("e.pdf")));
    expectInCell(content, 1, QStringLiteral("Committee"), 12);
    expectInCell(content, 1, QStringLiteral("Fair"), 11);
}

TEST_F(CommandLineProcessTest, CalendarFileThatCannotBeReadIsStatusTwoAndWritesNothing)
{
    writeFile(QStringLiteral("broken.ics"), "BEGIN:VCALENDAR\r\nnot a calendar\r\n");
    const ProgramRun result = run({"--print", "--month", "1", "--events", "broken.ics", "--output", "e.pdf"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.standardError.contains(QStringLiteral("broken.ics"))) << result.standardError.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("e.pdf"))));
}

TEST_F(CommandLineProcessTest, MonthsRunOverTheNewYearWithCopiesOfTheWholeDocument)
{
    const ProgramRun result = run({"--print", "--months", "2027-12..2028-01", "--copies", "2", "--output", "m.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("m.pdf")));
    ASSERT_EQ(content.pages, 4);
    const QLocale locale;
    const QString december = locale.standaloneMonthName(12) + QStringLiteral(" 2027");
    const QString january = locale.standaloneMonthName(1) + QStringLiteral(" 2028");
    EXPECT_EQ(titleOf(content, 1, QStringLiteral("2027")), december);
    EXPECT_EQ(titleOf(content, 2, QStringLiteral("2028")), january);
    EXPECT_EQ(titleOf(content, 3, QStringLiteral("2027")), december);
    EXPECT_EQ(titleOf(content, 4, QStringLiteral("2028")), january);
}

TEST_F(CommandLineProcessTest, ControlFilesPrintOnePageEachInTheOrderGivenWithTheirNotesInTheirCells)
{
    writeFile(QStringLiteral("march.txt"), "YER 2004\r\nMON 3\r\nHDR Garden Club Calendar\r\nNOT Meetings\r\n"
                                           "DAY 17 Planting\r\nDTM 2 3 Committee\r\n");
    writeFile(QStringLiteral("july.txt"), "YER 2004\nMON 7\nHDR Summer\nDAY 4 Picnic\nDAY 4 Fireworks\n");
    const ProgramRun result = run({"--print", "july.txt", "march.txt", "--output", "two.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();

    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("two.pdf")));
    ASSERT_EQ(content.pages, 2);
    const QLocale locale;
    EXPECT_EQ(titleOf(content, 1, QStringLiteral("2004")), locale.standaloneMonthName(7) + QStringLiteral(" 2004"));
    EXPECT_TRUE(find(content, 1, QStringLiteral("Summer")));
    expectInCell(content, 1, QStringLiteral("Picnic"), 4);
    expectInCell(content, 1, QStringLiteral("Fireworks"), 4);
    EXPECT_EQ(titleOf(content, 2, QStringLiteral("2004")), locale.standaloneMonthName(3) + QStringLiteral(" 2004"));
    EXPECT_TRUE(find(content, 2, QStringLiteral("Meetings")));
    expectInCell(content, 2, QStringLiteral("Planting"), 17);
    // The second Tuesday of March 2004.
    expectInCell(content, 2, QStringLiteral("Committee"), 9);
    // Each file starts a page afresh: July's notes are not on March's page.
    EXPECT_FALSE(find(content, 2, QStringLiteral("Picnic")));
}

TEST_F(CommandLineProcessTest, OptionsWinOverTheControlFile)
{
    writeFile(QStringLiteral("notes.txt"), "YER 2004\nMON 3\nHDR FileHeader\nNOT FileLineOne\nNOT FileLineTwo\n"
                                           "MSG FileMessage\nDAY 17 Planting\n");
    const ProgramRun result = run({"--print", "notes.txt", "--header", "OptionHeader", "--line", "OptionLine",
                                   "--message", "OptionMessage", "--font", "month=Liberation Mono", "--output",
                                   "o.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("o.pdf")));
    for (const char *shown : {"OptionHeader", "OptionLine", "OptionMessage", "Planting"})
        EXPECT_TRUE(find(content, 1, QLatin1String(shown))) << shown;
    for (const char *replaced : {"FileHeader", "FileLineOne", "FileLineTwo", "FileMessage"})
        EXPECT_FALSE(find(content, 1, QLatin1String(replaced))) << replaced;

    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {path(QStringLiteral("o.pdf"))});
    ASSERT_TRUE(fonts.waitForFinished());
    EXPECT_TRUE(fonts.readAllStandardOutput().contains("LiberationMono"));
}

TEST_F(CommandLineProcessTest, PagesCarryRealGlyphsWithoutADisplay)
{
    const ProgramRun result = run({"--print", "--year", "2027", "--month", "2", "--output", "f.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    EXPECT_TRUE(result.standardError.isEmpty()) << result.standardError.toStdString();
    EXPECT_TRUE(result.standardOutput.isEmpty()) << result.standardOutput.toStdString();
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {path(QStringLiteral("f.pdf"))});
    ASSERT_TRUE(fonts.waitForFinished());
    const QByteArray listed = fonts.readAllStandardOutput();
    EXPECT_TRUE(listed.contains("LiberationSans")) << listed.toStdString();
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("f.pdf")));
    EXPECT_TRUE(find(content, 1, QStringLiteral("28")));
    EXPECT_FALSE(find(content, 1, QStringLiteral("29")));
}

struct UnreadableRow
{
    const char *name;
    QStringList arguments;
    const char *error;
};

const UnreadableRow unreadableRows[] = {
    {"MissingControlFile", {"--print", "missing.txt", "--output", "u.pdf"},
     "monthly-calendar: missing.txt: The file cannot be read.\n"},
    {"ControlFileInCapitals", {"--print", "NOTES.TXT", "--output", "u.pdf"},
     "monthly-calendar: NOTES.TXT: Select a .txt file.\n"},
    {"MissingPicture", {"--print", "--picture", "missing.jpg", "--output", "u.pdf"},
     "monthly-calendar: missing.jpg: The file cannot be read.\n"},
    {"PictureOfAnotherKind", {"--print", "--picture", "tulips.png", "--output", "u.pdf"},
     "monthly-calendar: tulips.png: Select a .gif, .bmp, .wmf OR .jpg file.\n"},
};

class CommandLineUnreadableTest : public CommandLineProcessTest, public ::testing::WithParamInterface<UnreadableRow>
{
};

TEST_P(CommandLineUnreadableTest, InputThatCannotBeReadIsStatusTwoAndNoFile)
{
    const UnreadableRow &row = GetParam();
    writeFile(QStringLiteral("NOTES.TXT"), "HDR Capitals\n");
    writeFile(QStringLiteral("tulips.png"), "not looked at");
    const ProgramRun result = run(row.arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.standardError, QString::fromUtf8(row.error));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("u.pdf"))));
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineUnreadableTest, ::testing::ValuesIn(unreadableRows), RowName());

TEST_F(CommandLineProcessTest, PictureLineOfAnotherKindWarnsAndThePagePrintsWithoutIt)
{
    writeFile(QStringLiteral("notes.txt"), "HDR Still printed\nPIC tulips.png\n");
    const ProgramRun result = run({"--print", "notes.txt", "--output", "w.pdf"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardError,
              QStringLiteral("monthly-calendar: notes.txt: warning: Select a .gif, .bmp, .wmf OR .jpg file.\n"));
    const PdfReader::Content content = PdfReader::read(path(QStringLiteral("w.pdf")));
    EXPECT_TRUE(find(content, 1, QStringLiteral("Still")));
    EXPECT_TRUE(content.images.isEmpty());
}

TEST_F(CommandLineProcessTest, OneUnreadableFileOfManySendsNothing)
{
    writeFile(QStringLiteral("good.txt"), "MON 2\n");
    const ProgramRun result = run({"--print", "good.txt", "missing.txt"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.standardError, QStringLiteral("monthly-calendar: missing.txt: The file cannot be read.\n"));
    EXPECT_TRUE(result.standardOutput.isEmpty());
    EXPECT_TRUE(QDir(path(QStringLiteral("home/Documents"))).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(CommandLineProcessTest, ExistingOutputIsLeftAsItWasUnlessForced)
{
    const QString existing = writeFile(QStringLiteral("keep.pdf"), "the user's own file");
    const ProgramRun refused = run({"--print", "--output", "keep.pdf"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.standardError.contains(QStringLiteral("keep.pdf: The file already exists")));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the user's own file"));
    file.close();

    const ProgramRun forced = run({"--print", "--output", "keep.pdf", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.standardError.toStdString();
    EXPECT_EQ(PdfReader::read(existing).pages, 1);
    EXPECT_EQ(filesLeft(), QStringList({"keep.pdf"})) << filesLeft().join(u' ').toStdString();
}

TEST_F(CommandLineProcessTest, OutputNameThatIsNotUtf8IsTakenByteForByte)
{
    // QProcess would hand the name over as UTF-8; a shell hands over its bytes.
    QProcess shell;
    shell.setWorkingDirectory(m_dir.path());
    shell.setProcessEnvironment(m_environment);
    shell.start(QStringLiteral("/bin/sh"), {"-c", "n=$(printf 'caf\\351.pdf'); \"$0\" --print --output \"$n\"; a=$?; "
                                                   "\"$0\" --print --output \"$n\" 2>/dev/null; echo $a $?",
                                            MONTHLY_CALENDAR_PROGRAM});
    ASSERT_TRUE(shell.waitForFinished(120000));
    EXPECT_EQ(shell.readAllStandardOutput(), "0 3\n"); // written, then found there and kept
    // Qt cannot name it to QTemporaryDir's clean-up either.
    EXPECT_EQ(::unlink(QFile::encodeName(m_dir.path()) + "/caf\xE9.pdf"), 0);
    EXPECT_EQ(filesLeft(), QStringList());
}

TEST_F(CommandLineProcessTest, RunKilledHalfwayLeavesNoFile)
{
    writePicture(QStringLiteral("tulips.jpg"), QSize(800, 600));
    QProcess process;
    process.setProgram(QStringLiteral(MONTHLY_CALENDAR_PROGRAM));
    process.setArguments({"--print", "--months", "2000-01..2099-12", "--copies", "999", "--picture", "tulips.jpg",
                          "--output", "killed.pdf"});
    process.setWorkingDirectory(m_dir.path());
    process.setProcessEnvironment(m_environment);
    process.start();
    ASSERT_TRUE(process.waitForStarted());

    // Halfway: the program holds a file in the output folder with pages in it.
    const QDir handles(QStringLiteral("/proc/%1/fd").arg(process.processId()));
    bool writing = false;
    for (QDeadlineTimer deadline(60000); !writing && !deadline.hasExpired(); QThread::msleep(20)) {
        for (const QFileInfo &handle : handles.entryInfoList(QDir::System | QDir::Files)) {
            const QString target = handle.symLinkTarget();
            if (target.startsWith(m_dir.path()) && QFileInfo(handle.filePath()).size() > 100 * 1024)
                writing = true;
        }
    }
    ASSERT_TRUE(writing) << "the program never started writing";
    ASSERT_EQ(process.state(), QProcess::Running);
    ::kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(filesLeft(), QStringList({"tulips.jpg"})) << filesLeft().join(u' ').toStdString();
}

TEST_F(CommandLineProcessTest, WithoutOutputTheDocumentGoesToTheDefaultDevice)
{
    const ProgramRun result = run({"--print", "--months", "2027-01..2027-03"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    const QString expected = path(QStringLiteral("home/Documents/Calendar 2027-01 to 2027-03.pdf"));
    EXPECT_EQ(result.standardOutput, expected + u'\n');
    EXPECT_EQ(PdfReader::read(expected).pages, 3);

    const ProgramRun again = run({"--print", "--months", "2027-01..2027-03"});
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.standardOutput, path(QStringLiteral("home/Documents/Calendar 2027-01 to 2027-03 (2).pdf\n")));
}

TEST_F(CommandLineProcessTest, ListPrintersShowsTheDevicesAsTheDeviceWindowDoes)
{
    const ProgramRun result = run({"--list-printers"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardOutput, QStringLiteral("  1 Save as PDF (paper: a4)\n"));
}

TEST_F(CommandLineProcessTest, OutputThatCannotBeWrittenNamesTheFileAndWhy)
{
    ASSERT_TRUE(QFile::link(path(QStringLiteral("gone.pdf")), path(QStringLiteral("dangling.pdf"))));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.pdf")));
    const std::tuple<const char *, bool, const char *> rows[] = {
        {"no/such/folder/x.pdf", false, "no such folder"},
        {"dangling.pdf", false, "exists (another run wrote it first)"},
        {"folder.pdf", true, "a folder has that name"},
    };
    for (const auto &[name, force, reason] : rows) {
        QStringList arguments = {"--print", "--output", QString::fromUtf8(name)};
        if (force)
            arguments.append(QStringLiteral("--force"));
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 3) << name;
        EXPECT_EQ(result.standardError,
                  QStringLiteral("monthly-calendar: cannot write %1: %2\n").arg(QString::fromUtf8(name), reason));
    }
}

TEST_F(CommandLineProcessTest, PrinterThatDoesNotExistIsStatusThree)
{
    const ProgramRun result = run({"--print", "--printer", "Office"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.standardError, QStringLiteral("monthly-calendar: Office: The device is not available.\n"));
}

// The worked example, printed from the command line and through the window.
TEST_F(CommandLineProcessTest, ControlFilePrintsTheSamePageAsTheWindow)
{
    writePicture(QStringLiteral("tulips.jpg"), QSize(1200, 900));
    const QString notes = writeFile(
        QStringLiteral("garden.txt"),
        "YER 2004\r\nMON 3\r\nHDR Garden Club Calendar\r\nNOT Meetings at the hall\r\nNOT Bring a plate\r\n"
        "MSG Happy Spring\r\nDAY 17 Planting day\r\nBIR 3/17/1950 Grandfather\r\nDTM 2 3 Committee\r\nPIC "
            + path(QStringLiteral("tulips.jpg")).toUtf8() + "\r\n");
    const ProgramRun result = run({"--print", "garden.txt", "--output", "cli.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();

    installFontSubstitutions();
    QTemporaryDir windowFolder;
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(windowFolder.path()));
    Printers printers(std::move(devices));
    std::vector<MsgBoxRequest> boxes;
    frmSorvane window(printers, [&](const MsgBoxRequest &request) { boxes.push_back(request); });
    window.openFiles({notes});
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    ASSERT_TRUE(boxes.empty());
    const QString windowPdf = QDir(windowFolder.path()).filePath(QStringLiteral("Calendar 2004-03.pdf"));

    const PdfReader::Content fromWindow = PdfReader::read(windowPdf);
    const PdfReader::Content fromCommandLine = PdfReader::read(path(QStringLiteral("cli.pdf")));
    EXPECT_EQ(fromCommandLine.pages, 1);
    EXPECT_EQ(fromCommandLine.pageSize, fromWindow.pageSize);
    ASSERT_EQ(fromCommandLine.words.size(), fromWindow.words.size());
    for (qsizetype i = 0; i < fromWindow.words.size(); ++i) {
        EXPECT_EQ(fromCommandLine.words[i].text, fromWindow.words[i].text);
        EXPECT_EQ(fromCommandLine.words[i].box, fromWindow.words[i].box) << fromWindow.words[i].text.toStdString();
    }
    ASSERT_EQ(fromCommandLine.strokes.size(), fromWindow.strokes.size());
    for (qsizetype i = 0; i < fromWindow.strokes.size(); ++i) {
        EXPECT_EQ(fromCommandLine.strokes[i].points, fromWindow.strokes[i].points);
        EXPECT_EQ(fromCommandLine.strokes[i].widthPoints, fromWindow.strokes[i].widthPoints);
    }
    ASSERT_EQ(fromCommandLine.images.size(), 1);
    ASSERT_EQ(fromWindow.images.size(), 1);
    EXPECT_EQ(fromCommandLine.images[0].box, fromWindow.images[0].box);
    EXPECT_EQ(fromCommandLine.images[0].pixels, fromWindow.images[0].pixels);
}

} // namespace
