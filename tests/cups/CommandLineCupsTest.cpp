// SPDX-License-Identifier: MIT
#include "tests/app/ProgramRun.h"
#include "tests/support/PdfReader.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString Queue = QStringLiteral("calendar-cli");
const QString OtherQueue = QStringLiteral("calendar-other");

// A private cupsd with two cups-pdf queues, the first the default, for the
// program run from the command line.
class CommandLineCupsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        QProcess process;
        process.start(QStringLiteral("sh"), {QStringLiteral(CUPS_SERVER_SCRIPT), QStringLiteral("start"),
                                             folder->path(), Queue, OtherQueue + QStringLiteral(":Letter")});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            startError = new QString(QString::fromUtf8(process.readAllStandardError()));
            return;
        }
        for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(QStringLiteral("CUPS_SERVER=")))
                server = line.section(u'=', 1);
            if (line.startsWith(QStringLiteral("CUPS_PDF_OUT=")))
                pdfOut = line.section(u'=', 1);
        }
    }

    static void TearDownTestSuite()
    {
        if (!server.isEmpty())
            QProcess::execute(QStringLiteral("sh"), {QStringLiteral(CUPS_SERVER_SCRIPT), QStringLiteral("stop"), folder->path()});
        delete folder;
        delete startError;
        server.clear();
    }

    void SetUp() override
    {
        if (server.isEmpty())
            GTEST_SKIP() << "cannot start a CUPS server: " << (startError ? startError->toStdString() : std::string());
        QDir(m_home.path()).mkpath(QStringLiteral("Documents"));
    }

    ProgramRun run(const QStringList &arguments) const
    {
        return ProgramRun::run(arguments, m_home.path(), ProgramRun::environment(m_home.path(), server));
    }

    // Waits until the queues are empty and cups-pdf has written the job whose
    // title holds token; reads it back and removes the file.
    static std::optional<PdfReader::Content> printed(const QString &token)
    {
        const QDir out(pdfOut);
        for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
            const QStringList files = out.entryList({QStringLiteral("*%1*.pdf").arg(token)}, QDir::Files);
            if (!files.isEmpty() && queuesEmpty()) {
                const PdfReader::Content content = PdfReader::read(out.filePath(files.front()));
                QFile::remove(out.filePath(files.front()));
                return content;
            }
        }
        return std::nullopt;
    }

    static bool queuesEmpty()
    {
        QProcess lpstat;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), server);
        lpstat.setProcessEnvironment(environment);
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        return lpstat.waitForFinished() && lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty();
    }

    // A year no other job of the run prints, to find this job's file.
    static int uniqueYear() { return int(QRandomGenerator::global()->bounded(1000, 9999)); }

    static QString titleOn(const PdfReader::Content &content, int page, int year)
    {
        for (qsizetype i = 1; i < content.words.size(); ++i) {
            if (content.words[i].page == page && content.words[i].text == QString::number(year))
                return content.words[i - 1].text.normalized(QString::NormalizationForm_KC);
        }
        return {};
    }

    static QTemporaryDir *folder;
    static QString *startError;
    static QString server;
    static QString pdfOut;
    QTemporaryDir m_home;
};

QTemporaryDir *CommandLineCupsTest::folder = nullptr;
QString *CommandLineCupsTest::startError = nullptr;
QString CommandLineCupsTest::server;
QString CommandLineCupsTest::pdfOut;

TEST_F(CommandLineCupsTest, ListPrintersShowsTheQueuesThenPdf)
{
    const ProgramRun result = run({QStringLiteral("--list-printers")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardOutput,
              QStringLiteral("  1 %1 (paper: a4)\n  2 %2 (paper: letter)\n  3 Save as PDF (paper: a4)\n")
                  .arg(Queue, OtherQueue));
}

TEST_F(CommandLineCupsTest, PrinterTakesSeveralMonthsAsOneJobWithCollatedCopies)
{
    const int year = uniqueYear();
    const ProgramRun result = run({"--print", "--printer", OtherQueue, "--months",
                                   QStringLiteral("%1-01..%1-02").arg(year), "--copies", "2"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    const auto content = printed(QStringLiteral("%1-0").arg(year));
    ASSERT_TRUE(content) << "no PDF from cups-pdf in " << pdfOut.toStdString();
    ASSERT_EQ(content->pages, 4);
    const QLocale locale;
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(titleOn(*content, page, year), locale.standaloneMonthName(page % 2 ? 1 : 2)) << page;
}

struct QueuePaper
{
    const char *name;
    QString queue;
    QStringList options;
    QSizeF mediaBox;
    bool scaled;
};

TEST_F(CommandLineCupsTest, EachQueuePrintsOnItsOwnPaperWithTheWholePageOnIt)
{
    const QString picture = m_home.filePath(QStringLiteral("tulips.bmp"));
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(picture));
    const QueuePaper rows[] = {
        {"A4Queue", Queue, {}, QSizeF(595, 842), false},
        {"LetterQueue", OtherQueue, {}, QSizeF(612, 792), false},
        {"A5Chosen", OtherQueue, {QStringLiteral("--paper"), QStringLiteral("a5")}, QSizeF(420, 595), true},
    };
    for (const QueuePaper &row : rows) {
        SCOPED_TRACE(row.name);
        const int year = uniqueYear();
        const ProgramRun result = run(QStringList{"--print", "--printer", row.queue, "--year", QString::number(year),
                                                  "--month", "5", "--picture", picture} +
                                      row.options);
        ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
        const auto content = printed(QStringLiteral("%1-05").arg(year));
        ASSERT_TRUE(content);
        // PPDs round some sizes to the next point (A5: 421 pt).
        EXPECT_NEAR(content->pageSize.width(), row.mediaBox.width(), 1);
        EXPECT_NEAR(content->pageSize.height(), row.mediaBox.height(), 1);
        const QRectF paper(QPointF(0, 0), content->pageSize);
        ASSERT_FALSE(content->strokes.isEmpty());
        ASSERT_EQ(content->images.size(), 1);
        EXPECT_TRUE(paper.contains(content->images.front().box));
        double left = paper.width();
        double right = 0;
        for (const PdfReader::Stroke &stroke : content->strokes) {
            for (const QPointF &point : stroke.points) {
                EXPECT_TRUE(paper.contains(point)) << point.x() << ", " << point.y();
                left = std::min(left, point.x());
                right = std::max(right, point.x());
            }
        }
        // The outer frame is 11240 twips wide where nothing is scaled.
        EXPECT_EQ(right - left < 550, row.scaled) << right - left;
    }
}

TEST_F(CommandLineCupsTest, WithoutPrinterTheDefaultQueuePrints)
{
    const int year = uniqueYear();
    const ProgramRun result = run({"--print", "--year", QString::number(year), "--month", "6"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError.toStdString();
    EXPECT_TRUE(result.standardOutput.isEmpty());
    const auto content = printed(QStringLiteral("%1-0").arg(year));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->pages, 1);
    EXPECT_TRUE(QDir(m_home.filePath(QStringLiteral("Documents"))).isEmpty());
}

} // namespace
