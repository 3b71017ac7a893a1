// SPDX-License-Identifier: MIT
#include "tests/support/PdfReader.h"
#include "surface/FontSubstitutions.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"
#include "surface/SystemPrinters.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString DefaultQueue = QStringLiteral("calendar-pdf");
const QString VanishingQueue = QStringLiteral("calendar-vanishing");

QString runTool(const QString &tool, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.start(tool, arguments);
    const bool finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                          process.exitCode() == 0;
    if (ok)
        *ok = finished;
    else if (!finished)
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A private cupsd with two cups-pdf queues, the first the default
// destination, for the whole test program.
class CupsServer
{
public:
    CupsServer()
    {
        QProcess process;
        process.start(QStringLiteral("sh"), {QStringLiteral(CUPS_SERVER_SCRIPT), QStringLiteral("start"), m_dir.path(),
                                             DefaultQueue, VanishingQueue});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            m_error = process.errorString() + QLatin1Char('\n') + QString::fromUtf8(process.readAllStandardError());
            return;
        }
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0)
                qputenv(line.left(equals).toLocal8Bit(), line.mid(equals + 1).toLocal8Bit());
        }
        // A destination chosen in the environment would override the server's.
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        m_pdfOut = qEnvironmentVariable("CUPS_PDF_OUT");
        m_running = true;
    }

    ~CupsServer()
    {
        if (m_running)
            QProcess::execute(QStringLiteral("sh"), {QStringLiteral(CUPS_SERVER_SCRIPT), QStringLiteral("stop"), m_dir.path()});
    }

    bool running() const { return m_running; }
    QString error() const { return m_error; }
    QString pdfOut() const { return m_pdfOut; }

    QString errorLog() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    QTemporaryDir m_dir;
    bool m_running = false;
    QString m_error;
    QString m_pdfOut;
};

class CupsEndToEndTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        installFontSubstitutions();
        server = new CupsServer;
    }

    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        if (!server->running())
            GTEST_SKIP() << "cannot start a CUPS server: " << server->error().toStdString();
    }

    static QString uniqueToken()
    {
        return QStringLiteral("e2e%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    }

    // Waits until the queue is empty and cups-pdf has written the job whose
    // title holds token; reads its words back and removes the file.
    static std::optional<QList<PdfReader::Word>> readPrintedPdf(const QString &token)
    {
        const QDir out(server->pdfOut());
        for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
            const QStringList files = out.entryList({QStringLiteral("*%1*.pdf").arg(token)}, QDir::Files);
            if (!files.isEmpty() && jobsDone()) {
                const QString path = out.filePath(files.front());
                const QList<PdfReader::Word> words = PdfReader::words(path);
                QFile::remove(path);
                return words;
            }
        }
        return std::nullopt;
    }

    static bool jobsDone()
    {
        bool ok = false;
        const QString pending = runTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &ok);
        return ok && pending.trimmed().isEmpty();
    }

    static CupsServer *server;
};

CupsServer *CupsEndToEndTest::server = nullptr;

TEST_F(CupsEndToEndTest, SystemPrintersListCupsQueuesThenPdfWithTheDefaultCurrent)
{
    const Printers printers = SystemPrinters::list(QDir::tempPath());
    ASSERT_GE(printers.count(), 2);
    EXPECT_EQ(printers.item(0).DeviceName(), DefaultQueue);
    EXPECT_EQ(printers.item(printers.count() - 1).DeviceName(), QStringLiteral("Save as PDF"));
    EXPECT_EQ(printers.currentIndex(), 0);
    EXPECT_GT(printers.current().resolution(), 0);
}

TEST_F(CupsEndToEndTest, SystemPrintersListedWhenNeededAreTheSameInTheSameOrder)
{
    const Printers now = SystemPrinters::list(QDir::tempPath());
    const Printers later = SystemPrinters::listWhenNeeded(QDir::tempPath());
    ASSERT_EQ(later.count(), now.count());
    for (int index = 0; index < now.count(); ++index)
        EXPECT_EQ(later.item(index).DeviceName(), now.item(index).DeviceName()) << index;
    EXPECT_EQ(later.currentIndex(), now.currentIndex());
}

TEST_F(CupsEndToEndTest, PrintedPageCarriesTheTextAtItsPlaceInEveryCopy)
{
    Printers printers = SystemPrinters::list(QDir::tempPath());
    PrintSurface surface(printers);
    ASSERT_EQ(surface.DeviceName(), DefaultQueue);
    const QString token = uniqueToken();
    surface.setDocumentName(QStringLiteral("Calendar %1").arg(token));
    surface.setCopies(2);
    surface.setPaperSource(1);
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(28);
    surface.setCurrentX(1440);
    surface.setCurrentY(720);
    surface.Print(QStringLiteral("January 2003"));
    surface.setDrawWidth(3);
    surface.LineBox(100, 100, 11260, 14820);
    surface.EndDoc();

    const auto words = readPrintedPdf(token);
    ASSERT_TRUE(words.has_value()) << "no PDF from cups-pdf in " << server->pdfOut().toStdString() << "\n"
                                   << server->errorLog().toStdString();

    // The queue's own printable area is the page origin. The text's top
    // depends on the ascent of the font the PDF was rebuilt with; its left
    // edge and the bottom of its descent do not.
    QPrinter printer(QPrinterInfo::printerInfo(DefaultQueue), QPrinter::HighResolution);
    const QPointF origin = printer.pageLayout().paintRectPoints().topLeft();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(28);
    const QFontMetricsF metrics(font, &printer);
    const double height = (metrics.ascent() + metrics.descent()) * 72 / printer.resolution();
    ASSERT_EQ(words->size(), 4);
    for (int copy = 0; copy < 2; ++copy) {
        SCOPED_TRACE(copy);
        const PdfReader::Word &month = words->at(copy * 2);
        EXPECT_EQ(month.page, copy + 1);
        EXPECT_EQ(month.text, QStringLiteral("January"));
        EXPECT_EQ(words->at(copy * 2 + 1).text, QStringLiteral("2003"));
        EXPECT_NEAR(month.box.left(), origin.x() + 72, 1);
        EXPECT_NEAR(month.box.bottom(), origin.y() + 36 + height, 1);
    }
}

TEST_F(CupsEndToEndTest, CancelledPrintLeavesNoJobAtTheServer)
{
    const QStringList allJobs = {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")};
    const qsizetype jobsBefore = runTool(QStringLiteral("lpstat"), allJobs).split(u'\n', Qt::SkipEmptyParts).size();
    Printers printers = SystemPrinters::list(QDir::tempPath());
    PrintSurface surface(printers);
    ASSERT_EQ(surface.DeviceName(), DefaultQueue);
    const QString token = uniqueToken();
    surface.setDocumentName(QStringLiteral("Calendar %1").arg(token));
    surface.setCopies(40);
    int told = 0;
    surface.setProgress([&told](int, int) {
        ++told;
        return false;
    });
    surface.Print(QStringLiteral("cancelled"));
    surface.EndDoc();

    EXPECT_EQ(told, 1);
    // Pending, held or completed, a job the server took would be listed.
    EXPECT_EQ(runTool(QStringLiteral("lpstat"), allJobs).split(u'\n', Qt::SkipEmptyParts).size(), jobsBefore);
    EXPECT_TRUE(QDir(server->pdfOut()).entryList({QStringLiteral("*%1*").arg(token)}, QDir::Files).isEmpty());
}

TEST_F(CupsEndToEndTest, QueueThatVanishedIsAPrinterError)
{
    Printers printers = SystemPrinters::list(QDir::tempPath());
    ASSERT_EQ(printers.item(1).DeviceName(), VanishingQueue);
    printers.setCurrent(1);
    PrintSurface surface(printers);
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), VanishingQueue});
    surface.Print(QStringLiteral("lost"));
    EXPECT_RUNTIME_ERROR(surface.EndDoc(), RuntimeError::PrinterError);
}

} // namespace
