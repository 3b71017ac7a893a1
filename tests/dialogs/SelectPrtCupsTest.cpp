// SPDX-License-Identifier: MIT
#include "dialogs/frmSelectPrt.h"
#include "tests/support/Child.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"
#include "surface/SystemPrinters.h"
#include "tests/support/PdfReader.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <vector>

// Choosing a CUPS queue in the output device window sends the next print
// there: a private cupsd with two cups-pdf queues, the first the default.
namespace {

const QString FirstQueue = QStringLiteral("devices-first");
const QString SecondQueue = QStringLiteral("devices-second");

struct ToolResult
{
    bool ok = false;
    QString output;
    QString errors;
};

ToolResult runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    ToolResult result;
    result.ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                process.exitCode() == 0;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

class SelectPrtCupsTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        serverDir = new QTemporaryDir;
        const ToolResult started =
            runTool(QStringLiteral(CUPS_SERVER_SCRIPT), {QStringLiteral("start"), serverDir->path(), FirstQueue, SecondQueue});
        if (!started.ok) {
            startError = started.errors;
            return;
        }
        // libcups reads the server from the environment on first use.
        for (const QString &line : started.output.split(u'\n', Qt::SkipEmptyParts)) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0)
                qputenv(line.left(equals).toLocal8Bit(), line.mid(equals + 1).toLocal8Bit());
        }
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        running = true;
    }

    static void TearDownTestSuite()
    {
        if (running)
            runTool(QStringLiteral(CUPS_SERVER_SCRIPT), {QStringLiteral("stop"), serverDir->path()});
        running = false;
        delete serverDir;
        serverDir = nullptr;
    }

    void SetUp() override
    {
        if (!running)
            GTEST_SKIP() << "cannot start a CUPS server: " << startError.toStdString();
    }

    static QStringList completedJobs(const QString &queue)
    {
        const ToolResult listed = runTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                                                     QStringLiteral("-o"), queue});
        EXPECT_TRUE(listed.ok) << listed.errors.toStdString();
        return listed.output.split(u'\n', Qt::SkipEmptyParts);
    }

    static bool jobsPending() { return !runTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}).output.trimmed().isEmpty(); }

    // The PDF cups-pdf wrote for the job titled with token, once every job
    // has left the queues; empty when none came within a minute.
    static QString printedPdf(const QString &token)
    {
        const QDir out(qEnvironmentVariable("CUPS_PDF_OUT"));
        for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
            const QStringList files = out.entryList({QStringLiteral("*%1*.pdf").arg(token)}, QDir::Files);
            if (!files.isEmpty() && !jobsPending())
                return out.filePath(files.front());
        }
        return QString();
    }

    static inline QTemporaryDir *serverDir = nullptr;
    static inline bool running = false;
    static inline QString startError;
};

TEST_F(SelectPrtCupsTest, ChosenQueueReceivesTheNextPrintInsteadOfTheDefault)
{
    QTemporaryDir pdfFolder;
    Printers printers = SystemPrinters::list(pdfFolder.path());
    ASSERT_EQ(printers.current().DeviceName(), FirstQueue);
    std::vector<MsgBoxRequest> boxes;

    QPointer<frmSelectPrt> window = new frmSelectPrt(printers, [&boxes](const MsgBoxRequest &box) { boxes.push_back(box); });
    window->Form_Load();
    window->show();
    const QList<QListWidgetItem *> lines = child<QListWidget>(window, "lstPrinterName")->findItems(QLatin1Char(' ') + SecondQueue, Qt::MatchEndsWith);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.front()->text(), QStringLiteral("  2 ") + SecondQueue);
    QListWidget *list = child<QListWidget>(window, "lstPrinterName");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(lines.front()).center());
    QTest::mouseClick(child<QPushButton>(window, "cmdSelFont"), Qt::LeftButton);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    const QString token = QStringLiteral("devices") + QString::number(QRandomGenerator::global()->generate(), 16);
    PrintSurface surface(printers);
    EXPECT_EQ(surface.DeviceName(), SecondQueue);
    surface.setDocumentName(token);
    surface.setCurrentX(1440);
    surface.setCurrentY(1440);
    surface.Print(QStringLiteral("Chosen queue"));
    surface.EndDoc();

    const QString pdf = printedPdf(token);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << qEnvironmentVariable("CUPS_PDF_OUT").toStdString();
    QStringList words;
    for (const PdfReader::Word &word : PdfReader::words(pdf))
        words << word.text;
    QFile::remove(pdf);
    EXPECT_EQ(words, QStringList({QStringLiteral("Chosen"), QStringLiteral("queue")}));
    EXPECT_EQ(completedJobs(SecondQueue).size(), 1);
    EXPECT_TRUE(completedJobs(FirstQueue).isEmpty());
}

} // namespace
