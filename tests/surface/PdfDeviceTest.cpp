// SPDX-License-Identifier: MIT
#include "tests/support/PdfReader.h"
#include "surface/FontSubstitutions.h"
#include "surface/Paper.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"
#include "tests/support/RowName.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The printable area starts 10 pt in from the paper's corner.
constexpr double MarginPoints = 10;
constexpr double Tolerance = 0.5;

QPointF pagePoint(QPointF twips)
{
    return QPointF(twips.x() / 20 + MarginPoints, twips.y() / 20 + MarginPoints);
}

void expectNear(QPointF actual, QPointF expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), Tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), Tolerance);
}

class PdfDeviceTest : public ::testing::Test
{
protected:
    PdfDeviceTest()
        : printers(pdfDevice(folder.filePath(QStringLiteral("Documents/Calendars"))))
        , surface(printers)
    {
        installFontSubstitutions();
        surface.setDocumentName(QStringLiteral("Calendar 2003-01"));
    }

    static std::vector<std::unique_ptr<OutputDevice>> pdfDevice(const QString &path)
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(path, QPageSize(QPageSize::A4)));
        return devices;
    }

    PdfDevice &device() { return static_cast<PdfDevice &>(printers.current()); }

    QString printed()
    {
        surface.EndDoc();
        return device().lastFile();
    }

    QTemporaryDir folder;
    Printers printers;
    PrintSurface surface;
};

struct TextRow
{
    const char *name;
    const char *font;
    float points;
    bool bold;
    QPointF twips;
    const char *text;
};

const TextRow textRows[] = {
    {"ArialTitle", "Arial", 28, false, {1440, 720}, "January"},
    {"ArialNote", "Arial", 8, false, {300, 9000}, "Dentist"},
    {"TimesHeader", "Times", 20, true, {5000, 1500}, "Sorvane"},
    {"TimesSmall", "Times", 6.5f, false, {10000, 14500}, "corner"},
    {"ArialBoldDay", "Arial", 12, true, {7000, 12000}, "31"},
};

TEST_F(PdfDeviceTest, TextLandsOnItsTwipPositionWithItsMeasuredWidth)
{
    QMap<QString, float> widths;
    for (const TextRow &row : textRows) {
        surface.setFontName(QString::fromLatin1(row.font));
        surface.setFontSize(row.points);
        surface.setFontBold(row.bold);
        surface.setCurrentX(float(row.twips.x()));
        surface.setCurrentY(float(row.twips.y()));
        widths[QString::fromLatin1(row.text)] = surface.TextWidth(QString::fromLatin1(row.text));
        surface.Print(QString::fromLatin1(row.text));
    }
    const QList<PdfReader::Word> words = PdfReader::words(printed());
    ASSERT_EQ(words.size(), std::size(textRows));
    for (const TextRow &row : textRows) {
        SCOPED_TRACE(row.name);
        const auto word = std::find_if(words.begin(), words.end(), [&](const PdfReader::Word &w) {
            return w.text == QString::fromLatin1(row.text);
        });
        ASSERT_NE(word, words.end());
        expectNear(word->box.topLeft(), pagePoint(row.twips));
        EXPECT_NEAR(word->box.width(), widths[word->text] / 20, Tolerance);
        EXPECT_NEAR(word->box.height(), row.points * 1.15, row.points * 0.1);
    }
}

// Fonts without a tab show it with the blank's glyph, which must not make
// the blanks of a copied text tabs.
TEST_F(PdfDeviceTest, BlanksCopyOutAsBlanks)
{
    for (const char *font : {"Arial", "Times"}) {
        surface.setFontName(QString::fromLatin1(font));
        surface.Print(QStringLiteral("Happy Spring"));
    }
    const QString text = PdfReader::text(printed());
    EXPECT_EQ(text.count(QStringLiteral("Happy Spring")), 2) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('\t')));
}

struct LineRow
{
    const char *name;
    qint16 dots;
    QPointF from;
    QPointF delta;
};

const LineRow lineRows[] = {
    {"HairlineRule", 1, {0, 4000}, {11460, 0}},
    {"ColumnRule", 3, {1637, 4000}, {0, 10000}},
    {"ThickFrameEdge", 12, {100, 100}, {11260, 0}},
    {"Diagonal", 6, {2000, 2000}, {1000, 3000}},
};

TEST_F(PdfDeviceTest, LinesRunBetweenTheirTwipPointsInDevicePixelWidths)
{
    for (const LineRow &row : lineRows) {
        surface.setDrawWidth(row.dots);
        surface.Line(float(row.from.x()), float(row.from.y()), float(row.delta.x()), float(row.delta.y()));
    }
    const PdfReader::Content pdf = PdfReader::read(printed());
    ASSERT_EQ(pdf.strokes.size(), std::size(lineRows));
    for (qsizetype i = 0; i < pdf.strokes.size(); ++i) {
        const LineRow &row = lineRows[i];
        const PdfReader::Stroke &stroke = pdf.strokes[i];
        SCOPED_TRACE(row.name);
        ASSERT_EQ(stroke.points.size(), 2);
        expectNear(stroke.points[0], pagePoint(row.from));
        expectNear(stroke.points[1], pagePoint(row.from + row.delta));
        EXPECT_NEAR(stroke.widthPoints, row.dots * 72.0 / 600, 0.01);
    }
}

TEST_F(PdfDeviceTest, BoxIsAnOpenOutlineAtItsCorners)
{
    surface.setDrawWidth(4);
    surface.LineBox(6000, 3000, -3000, 1500, QColor(0, 0, 255));
    const PdfReader::Content pdf = PdfReader::read(printed());
    ASSERT_EQ(pdf.strokes.size(), 1);
    const PdfReader::Stroke &box = pdf.strokes.front();
    EXPECT_TRUE(box.closed);
    ASSERT_EQ(box.points.size(), 4);
    const auto [left, right] = std::minmax_element(box.points.begin(), box.points.end(),
                                                   [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(box.points.begin(), box.points.end(),
                                                   [](QPointF a, QPointF b) { return a.y() < b.y(); });
    expectNear(QPointF(left->x(), top->y()), pagePoint({3000, 3000}));
    expectNear(QPointF(right->x(), bottom->y()), pagePoint({6000, 4500}));
    EXPECT_NEAR(box.widthPoints, 4 * 72.0 / 600, 0.01);
}

// Stored with at least 600 dpi at its printed size and less than twice that:
// halved exactly while larger, never smoothed.
TEST_F(PdfDeviceTest, LargePictureIsStoredAtAboutPrintResolution)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    surface.PaintPicture(Picture::fromImage(image, QSizeF(60000, 45000)), 6500, 300, 4800, 3200);
    const PdfReader::Content pdf = PdfReader::read(printed());
    ASSERT_EQ(pdf.images.size(), 1);
    const PdfReader::Image &picture = pdf.images.front();
    expectNear(picture.box.topLeft(), pagePoint({6500, 300}));
    expectNear(picture.box.bottomRight(), pagePoint({6500 + 4800, 300 + 3200}));
    // 4800 x 3200 twips at 600 dpi are 2000 x 1334 dots.
    EXPECT_EQ(picture.pixels, QSize(2000, 1500));
}

// A photo as the loader keeps it, at half its size, goes into the PDF as it
// is in the frame the calendar page gives it.
TEST_F(PdfDeviceTest, PictureWithinTwicePrintResolutionIsStoredAsItIs)
{
    QImage image(2000, 1500, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    surface.PaintPicture(Picture::fromImage(image, QSizeF(60000, 45000)), 8550, 350, 2860, 2145);
    const PdfReader::Content pdf = PdfReader::read(printed());
    ASSERT_EQ(pdf.images.size(), 1);
    EXPECT_EQ(pdf.images.front().pixels, QSize(2000, 1500));
}

TEST_F(PdfDeviceTest, PictureIsStoredOnceForAllCopies)
{
    // At least twice print resolution, so its halved copy is what gets stored.
    QImage image(4200, 2800, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x % 256, y % 256, (x ^ y) % 256);
    }
    const Picture picture = Picture::fromImage(image, QSizeF(45000, 30000));
    surface.PaintPicture(picture, 0, 0, 4800, 3200);
    const qint64 single = QFileInfo(printed()).size();
    surface.setCopies(4);
    surface.PaintPicture(picture, 0, 0, 4800, 3200);
    const QString copies = printed();
    EXPECT_EQ(PdfReader::read(copies).images.size(), 4);
    EXPECT_LT(QFileInfo(copies).size(), single * 1.2);
}

TEST_F(PdfDeviceTest, SmallPictureKeepsItsPixels)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    surface.PaintPicture(Picture::fromImage(image, QSizeF(600, 450)), 0, 0, 4800, 3600);
    const PdfReader::Content pdf = PdfReader::read(printed());
    ASSERT_EQ(pdf.images.size(), 1);
    EXPECT_EQ(pdf.images.front().pixels, QSize(40, 30));
}

TEST_F(PdfDeviceTest, WordRunningFarPastTheEdgeIsCutThere)
{
    QString word;
    QRandomGenerator random(1950);
    for (int i = 0; i < 1 << 20; ++i)
        word += QChar(u'a' + random.bounded(26));
    Page page;
    page.items.append(PageText{QPointF(2000, 3000), word, QStringLiteral("Arial"), 8, false});
    device().print(page, PrintSettings{});
    // A megabyte of glyphs would not compress to this.
    EXPECT_LT(QFileInfo(device().lastFile()).size(), 64 * 1024);
    const QList<PdfReader::Word> words = PdfReader::words(device().lastFile());
    ASSERT_EQ(words.size(), 1);
    EXPECT_TRUE(word.startsWith(words.front().text.left(100)));
    expectNear(words.front().box.topLeft(), pagePoint({2000, 3000}));
}

TEST_F(PdfDeviceTest, EveryCopyIsAPage)
{
    surface.setCopies(3);
    surface.Print(QStringLiteral("Copy"));
    const PdfReader::Content pdf = PdfReader::read(printed());
    EXPECT_EQ(pdf.pages, 3);
    EXPECT_EQ(pdf.words.size(), 3);
    EXPECT_NEAR(pdf.pageSize.width(), 595, 1);
    EXPECT_NEAR(pdf.pageSize.height(), 842, 1);
}

TEST_F(PdfDeviceTest, FileIsNamedAfterTheDocumentInACreatedFolder)
{
    surface.Print(QStringLiteral("x"));
    const QString file = printed();
    EXPECT_EQ(file, folder.filePath(QStringLiteral("Documents/Calendars/Calendar 2003-01.pdf")));
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(PdfDeviceTest, FileGetsTheUsersUsualPermissions)
{
    const mode_t previous = ::umask(022);
    surface.Print(QStringLiteral("x"));
    const QString file = printed();
    ::umask(previous);
    struct stat status = {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST_F(PdfDeviceTest, ExistingFilesAreNeverOverwritten)
{
    const QDir dir(device().folder());
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    for (const char *name : {"Calendar 2003-01.pdf", "Calendar 2003-01 (2).pdf"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    surface.Print(QStringLiteral("x"));
    EXPECT_EQ(printed(), dir.filePath(QStringLiteral("Calendar 2003-01 (3).pdf")));
    surface.Print(QStringLiteral("y"));
    EXPECT_EQ(printed(), dir.filePath(QStringLiteral("Calendar 2003-01 (4).pdf")));
    for (const char *name : {"Calendar 2003-01.pdf", "Calendar 2003-01 (2).pdf"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep me")) << name;
    }
}

TEST_F(PdfDeviceTest, KilledDocumentWritesNoFile)
{
    surface.Print(QStringLiteral("half"));
    surface.KillDoc();
    surface.EndDoc();
    EXPECT_TRUE(device().lastFile().isEmpty());
    EXPECT_TRUE(QDir(device().folder()).entryList(QDir::Files).isEmpty());
}

// Anything at the name takes it: the print goes to " (2)" and nothing is
// written through the entry.
TEST_F(PdfDeviceTest, EntriesThatAreNoFilesTakeTheName)
{
    const QDir dir(device().folder());
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    const QString name = dir.filePath(QStringLiteral("Calendar 2003-01.pdf"));
    const QString gone = folder.filePath(QStringLiteral("gone.pdf"));
    ASSERT_TRUE(QFile::link(gone, name));
    surface.Print(QStringLiteral("x"));
    EXPECT_EQ(printed(), dir.filePath(QStringLiteral("Calendar 2003-01 (2).pdf")));
    EXPECT_FALSE(QFileInfo::exists(gone));

    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("Calendar 2003-01 (3).pdf"))).constData(), 0600),
              0);
    surface.Print(QStringLiteral("y"));
    EXPECT_EQ(printed(), dir.filePath(QStringLiteral("Calendar 2003-01 (4).pdf")));
}

TEST_F(PdfDeviceTest, ProgressIsToldOfEveryCopy)
{
    std::vector<std::pair<int, int>> told;
    surface.setProgress([&](int copy, int copies) {
        told.emplace_back(copy, copies);
        return true;
    });
    surface.setCopies(3);
    surface.Print(QStringLiteral("x"));
    const QString file = printed();
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(PdfReader::read(file).pages, 3);
}

TEST_F(PdfDeviceTest, CancelledPrintLeavesNothing)
{
    surface.setProgress([](int copy, int) { return copy < 50; });
    surface.setCopies(100);
    surface.Print(QStringLiteral("x"));
    EXPECT_TRUE(printed().isEmpty());
    EXPECT_TRUE(QDir(device().folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

// A print process killed halfway: its partial output is never found under a
// calendar's name.
TEST_F(PdfDeviceTest, KilledPrintLeavesNoFileUnderTheName)
{
    int halfway[2];
    ASSERT_EQ(::pipe(halfway), 0);
    surface.setCopies(2000);
    surface.Print(QStringLiteral("x"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        surface.setProgress([&](int copy, int) {
            if (copy == 1000)
                (void)!::write(halfway[1], "h", 1);
            return true;
        });
        surface.EndDoc();
        ::_exit(0);
    }
    char signal = 0;
    ASSERT_EQ(::read(halfway[0], &signal, 1), 1);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(halfway[0]);
    ::close(halfway[1]);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(QDir(device().folder()).entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());
}

TEST_F(PdfDeviceTest, UnwritableFolderIsAPrinterError)
{
    QFile blocker(folder.filePath(QStringLiteral("Documents")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    surface.Print(QStringLiteral("x"));
    EXPECT_RUNTIME_ERROR(surface.EndDoc(), RuntimeError::PrinterError);
    EXPECT_TRUE(surface.page().isEmpty());
}

struct PaperRow
{
    const char *name;
    const char *locale;
    QPageSize::PageSizeId paper;
};

class PaperForLocaleTest : public ::testing::TestWithParam<PaperRow>
{
};

TEST_P(PaperForLocaleTest, InchesMeanLetter)
{
    EXPECT_EQ(Paper::forLocale(QLocale(QString::fromLatin1(GetParam().locale))).id(), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(Locales, PaperForLocaleTest,
                         ::testing::Values(PaperRow{"UnitedStates", "en_US", QPageSize::Letter},
                                           PaperRow{"SpanishUnitedStates", "es_US", QPageSize::Letter},
                                           PaperRow{"UnitedKingdom", "en_GB", QPageSize::A4},
                                           PaperRow{"Germany", "de_DE", QPageSize::A4},
                                           PaperRow{"Japan", "ja_JP", QPageSize::A4}),
                         RowName());

} // namespace
