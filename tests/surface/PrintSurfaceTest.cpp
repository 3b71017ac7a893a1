// SPDX-License-Identifier: MIT
#include "RecordingDevice.h"
#include "surface/FontMetrics.h"
#include "surface/FontSubstitutions.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"
#include "tests/support/RowName.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class PrintSurfaceTest : public ::testing::Test
{
protected:
    PrintSurfaceTest()
        : printers(makeDevices())
        , surface(printers)
    {
        installFontSubstitutions();
    }

    static std::vector<std::unique_ptr<OutputDevice>> makeDevices()
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<RecordingDevice>(600, QStringLiteral("Fine")));
        devices.push_back(std::make_unique<RecordingDevice>(300, QStringLiteral("Coarse")));
        return devices;
    }

    RecordingDevice &device(int index) { return static_cast<RecordingDevice &>(printers.item(index)); }

    Printers printers;
    PrintSurface surface;
};

TEST_F(PrintSurfaceTest, TextWidthOfMonthTitleMatchesArialAt28Points)
{
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(28);
    EXPECT_NEAR(surface.TextWidth(QStringLiteral("January 2003")), 3394, 3394 * 0.01);
}

TEST_F(PrintSurfaceTest, BoldTextIsWider)
{
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(12);
    const float regular = surface.TextWidth(QStringLiteral("Wednesday"));
    surface.setFontBold(true);
    EXPECT_GT(surface.TextWidth(QStringLiteral("Wednesday")), regular);
}

TEST_F(PrintSurfaceTest, RefusedSizesLeaveWhatPrintsUnchanged)
{
    surface.setFontSize(10);
    surface.setDrawWidth(4);
    EXPECT_RUNTIME_ERROR(surface.setFontSize(0), RuntimeError::InvalidProcedureCall);
    EXPECT_RUNTIME_ERROR(surface.setFontSize(-3), RuntimeError::InvalidProcedureCall);
    EXPECT_RUNTIME_ERROR(surface.setDrawWidth(0), RuntimeError::InvalidProcedureCall);
    surface.Print(QStringLiteral("Birthday"));
    surface.Line(0, 0, 100, 0);
    ASSERT_EQ(surface.page().items.size(), 2);
    EXPECT_DOUBLE_EQ(std::get<PageText>(surface.page().items[0]).pointSize, 10);
    EXPECT_EQ(std::get<PageLine>(surface.page().items[1]).width, 4);
}

TEST_F(PrintSurfaceTest, PrintWithNewLineGoesToTheStartOfTheNextLine)
{
    surface.setFontName(QStringLiteral("Times"));
    surface.setFontSize(14);
    surface.setCurrentX(500);
    surface.setCurrentY(700);
    const float line = surface.lineHeight();
    surface.Print(QStringLiteral("Header"));
    EXPECT_FLOAT_EQ(surface.CurrentX(), 0);
    EXPECT_FLOAT_EQ(surface.CurrentY(), 700 + line);
    // 14 pt Liberation Serif spaces lines about 1.15 em apart.
    EXPECT_NEAR(line, 14 * 20 * 1.15, 14 * 20 * 0.05);
}

TEST_F(PrintSurfaceTest, PrintContinuingMovesRightByTheTextWidth)
{
    surface.setFontSize(10);
    surface.setCurrentX(100);
    surface.setCurrentY(200);
    const float width = surface.TextWidth(QStringLiteral("Sun "));
    surface.Print(QStringLiteral("Sun "), PrintSurface::LineEnd::Continue);
    EXPECT_FLOAT_EQ(surface.CurrentX(), 100 + width);
    EXPECT_FLOAT_EQ(surface.CurrentY(), 200);
}

TEST_F(PrintSurfaceTest, PrintRecordsTheTextAtThePositionWithTheFontInEffect)
{
    surface.setFontName(QStringLiteral("Times"));
    surface.setFontSize(9.5f);
    surface.setFontBold(true);
    surface.setCurrentX(1234);
    surface.setCurrentY(567);
    surface.Print(QStringLiteral("Birthday"));
    ASSERT_EQ(surface.page().items.size(), 1);
    const auto &text = std::get<PageText>(surface.page().items.front());
    EXPECT_EQ(text.pos, QPointF(1234, 567));
    EXPECT_EQ(text.text, QStringLiteral("Birthday"));
    EXPECT_EQ(text.fontName, QStringLiteral("Times"));
    EXPECT_DOUBLE_EQ(text.pointSize, 9.5);
    EXPECT_TRUE(text.bold);
}

TEST_F(PrintSurfaceTest, MeasuresWithTheCurrentDevice)
{
    surface.setFontSize(10);
    const float fine = surface.TextWidth(QStringLiteral("November"));
    printers.setCurrent(1);
    EXPECT_EQ(surface.DeviceName(), QStringLiteral("Coarse"));
    EXPECT_NEAR(surface.TextWidth(QStringLiteral("November")), fine, fine * 0.02);
}

TEST_F(PrintSurfaceTest, LineAndBoxUseTheDrawWidthInEffect)
{
    surface.setDrawWidth(3);
    surface.Line(100, 200, 300, 0, QColor(255, 0, 0));
    surface.setDrawWidth(5);
    surface.LineBox(1000, 900, -400, 300);
    ASSERT_EQ(surface.page().items.size(), 2);
    const auto &line = std::get<PageLine>(surface.page().items[0]);
    EXPECT_EQ(line.from, QPointF(100, 200));
    EXPECT_EQ(line.to, QPointF(400, 200));
    EXPECT_EQ(line.width, 3);
    EXPECT_EQ(line.color, QColor(255, 0, 0));
    const auto &box = std::get<PageBox>(surface.page().items[1]);
    EXPECT_EQ(box.rect, QRectF(600, 900, 400, 300));
    EXPECT_EQ(box.width, 5);
    EXPECT_EQ(box.color, QColor(Qt::black));
}

TEST_F(PrintSurfaceTest, EndDocHandsThePageAndSettingsToTheCurrentDeviceOnce)
{
    printers.setCurrent(1);
    surface.setCopies(3);
    surface.setDocumentName(QStringLiteral("Calendar 2003-01"));
    surface.setPaperSource(1);
    surface.Print(QStringLiteral("January"));
    surface.EndDoc();
    EXPECT_TRUE(device(0).jobs.isEmpty());
    ASSERT_EQ(device(1).jobs.size(), 1);
    const auto &job = device(1).jobs.front();
    EXPECT_EQ(job.page.items.size(), 1);
    EXPECT_EQ(job.settings.copies, 3);
    EXPECT_EQ(job.settings.documentName, QStringLiteral("Calendar 2003-01"));
    EXPECT_EQ(job.settings.paperSource, 1);
    EXPECT_TRUE(surface.page().isEmpty());

    surface.Print(QStringLiteral("February"));
    surface.EndDoc();
    ASSERT_EQ(device(1).jobs.size(), 2);
    EXPECT_EQ(device(1).jobs.back().page.items.size(), 1);
}

TEST_F(PrintSurfaceTest, CopiesBelowOnePrintOne)
{
    for (qint16 copies : {qint16(0), qint16(-5)}) {
        surface.setCopies(copies);
        surface.Print(QStringLiteral("January"));
        surface.EndDoc();
        EXPECT_EQ(device(0).jobs.back().settings.copies, 1) << copies;
    }
}

TEST_F(PrintSurfaceTest, KilledOrUnfinishedPageReachesNoDevice)
{
    surface.Print(QStringLiteral("half a page"));
    surface.KillDoc();
    EXPECT_TRUE(surface.page().isEmpty());
    surface.EndDoc();
    surface.Line(0, 0, 100, 100);
    EXPECT_TRUE(device(0).jobs.isEmpty());
}

TEST_F(PrintSurfaceTest, StateOutlivesTheDocument)
{
    surface.setFontName(QStringLiteral("Times"));
    surface.setFontSize(20);
    surface.setDrawWidth(4);
    surface.setCurrentX(10);
    surface.Print(QStringLiteral("x"), PrintSurface::LineEnd::Continue);
    surface.EndDoc();
    EXPECT_EQ(surface.FontName(), QStringLiteral("Times"));
    EXPECT_FLOAT_EQ(surface.FontSize(), 20);
    EXPECT_EQ(surface.DrawWidth(), 4);
    EXPECT_GT(surface.CurrentX(), 10);
}

TEST_F(PrintSurfaceTest, PaintPictureRecordsItsBoxAndSkipsAnEmptyPicture)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    surface.PaintPicture(Picture(), 0, 0, 100, 100);
    surface.PaintPicture(Picture::fromImage(image, QSizeF(600, 450)), 300, 400, 4800, 3200);
    ASSERT_EQ(surface.page().items.size(), 1);
    EXPECT_EQ(std::get<PagePicture>(surface.page().items.front()).rect, QRectF(300, 400, 4800, 3200));
}

// Texts far wider than any page: the widths callers compare with stay exact,
// and what cannot show on any page is not recorded.
constexpr double WidthLimit = FontMetrics::WidthLimit;

QString letters(qsizetype count, QChar letter = u'm')
{
    return QString(count, letter);
}

struct WidthCase
{
    const char *name;
    qsizetype letters;
    bool withinLimit;
};

void PrintTo(const WidthCase &row, std::ostream *os)
{
    *os << row.name;
}

class WideTextWidthTest : public PrintSurfaceTest, public ::testing::WithParamInterface<WidthCase>
{
};

// "m" has no kerning with itself: n of them are n times as wide as one.
TEST_P(WideTextWidthTest, IsExactUpToTheLimitAndAboveItBeyond)
{
    const WidthCase &row = GetParam();
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(8);
    const double one = surface.TextWidth(QStringLiteral("m"));
    const double width = surface.TextWidth(letters(row.letters));
    if (row.withinLimit) {
        ASSERT_LT(row.letters * one, WidthLimit);
        EXPECT_NEAR(width, row.letters * one, row.letters * one * 1e-5);
    } else {
        EXPECT_GT(width, WidthLimit);
    }
}

INSTANTIATE_TEST_SUITE_P(Letters, WideTextWidthTest,
                         ::testing::Values(WidthCase{"OneWord", 10, true},
                                           WidthCase{"LongerThanTheFirstMeasuredPart", 300, true},
                                           WidthCase{"JustWithinTheLimit", 1050, true},
                                           WidthCase{"JustPastTheLimit", 1200, false},
                                           WidthCase{"MillionLetters", 1 << 20, false},
                                           WidthCase{"TenMillionLetters", 10 << 20, false}),
                         RowName());

// Measured whole, without any limit.
double arialWidthAt600Dpi(const QString &text, double points)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(600 / 0.0254));
    device.setDotsPerMeterY(qRound(600 / 0.0254));
    const QFont font(FontMetrics::pageFont(QStringLiteral("Arial"), points, false), &device);
    return QFontMetricsF(font, &device).horizontalAdvance(text) * 1440 / 600;
}

enum class Kept { Whole, Beginning, End };

struct RecordCase
{
    const char *name;
    QString text;
    float x;
    Kept kept;
};

void PrintTo(const RecordCase &row, std::ostream *os)
{
    *os << row.name;
}

class WideTextRecordTest : public PrintSurfaceTest, public ::testing::WithParamInterface<RecordCase>
{
};

TEST_P(WideTextRecordTest, KeepsWhatCanShowOnAnyPage)
{
    const RecordCase &row = GetParam();
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(8);
    surface.setCurrentX(row.x);
    surface.Print(row.text, PrintSurface::LineEnd::Continue);
    ASSERT_EQ(surface.page().items.size(), 1);
    const QString recorded = std::get<PageText>(surface.page().items.front()).text;
    // Continuing moves by the width of the whole text.
    EXPECT_FLOAT_EQ(surface.CurrentX(), row.x + surface.TextWidth(row.text));
    if (row.kept == Kept::Whole) {
        EXPECT_EQ(recorded, row.text);
        return;
    }
    EXPECT_TRUE(row.kept == Kept::Beginning ? row.text.startsWith(recorded) : row.text.endsWith(recorded));
    EXPECT_LT(recorded.size(), 100000);
    EXPECT_GT(row.x + arialWidthAt600Dpi(recorded, 8), WidthLimit);
}

const QString Alef = QStringLiteral("\u05D0");

INSTANTIATE_TEST_SUITE_P(
    Texts, WideTextRecordTest,
    ::testing::Values(
        RecordCase{"ShortTextWhole", QStringLiteral("Birthday"), 0, Kept::Whole},
        RecordCase{"EndingBeforeTheLimitWhole", letters(1000), 0, Kept::Whole},
        RecordCase{"GiantWordCut", letters(10 << 20), 0, Kept::Beginning},
        RecordCase{"GiantWordStartingFarLeftCut", letters(10 << 20), -300000, Kept::Beginning},
        RecordCase{"GiantWordStartingPastTheLimitCut", letters(1 << 20), 200000, Kept::Beginning},
        RecordCase{"GiantSentenceCut", QStringLiteral("Dentist at ten ^ ").repeated(100000), 1000, Kept::Beginning},
        RecordCase{"DigitsOnlyCut", letters(1 << 20, u'7'), 0, Kept::Beginning},
        RecordCase{"RightToLeftWordAfterTheCutCut", letters(1 << 20) + Alef, 0, Kept::Beginning},
        // Right-to-left text shows its end at the left.
        RecordCase{"RightToLeftWordEndKept", Alef.repeated(1 << 20), 0, Kept::End},
        RecordCase{"RightToLeftWordsAndNumbersEndKept", (Alef.repeated(5) + QStringLiteral(" 12 ")).repeated(1 << 16),
                   0, Kept::End},
        // A cut through the numbers or after a direction control would move
        // what shows.
        RecordCase{"DigitsBeforeARightToLeftWordWhole", letters(1 << 20, u'7') + Alef, 0, Kept::Whole},
        RecordCase{"EmbeddingControlFirstWhole", QStringLiteral("\u202B") + letters(1 << 20), 0, Kept::Whole},
        RecordCase{"ControlBeforeRightToLeftCutWhole", Alef + QStringLiteral("\u202D") + Alef.repeated(1 << 20), 0,
                   Kept::Whole}),
    RowName());

struct PaperSourceCase
{
    const char *name;
    // Applied in order: 's' sets the paper source 1, a digit makes that
    // device current, 'p' prints a document.
    const char *steps;
    // The paper source of each printed document.
    std::vector<int> printed;
};

void PrintTo(const PaperSourceCase &row, std::ostream *os)
{
    *os << row.name;
}

class PaperSourceTest : public PrintSurfaceTest, public ::testing::WithParamInterface<PaperSourceCase>
{
};

TEST_P(PaperSourceTest, BelongsToTheDeviceItWasSetFor)
{
    std::vector<int> printed;
    for (const char step : std::string(GetParam().steps)) {
        if (step == 's') {
            surface.setPaperSource(1);
        } else if (step == 'p') {
            surface.Print(QStringLiteral("January"));
            surface.EndDoc();
            const RecordingDevice &current = device(printers.currentIndex());
            printed.push_back(current.jobs.back().settings.paperSource);
        } else {
            printers.setCurrent(step - '0');
        }
    }
    EXPECT_EQ(printed, GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PaperSourceTest,
    ::testing::Values(PaperSourceCase{"NeverSetIsTheDefault", "p", {0}},
                      PaperSourceCase{"HoldsForEveryDocumentOnItsDevice", "spp", {1, 1}},
                      PaperSourceCase{"AnotherDeviceGetsTheDefault", "sp1p", {1, 0}},
                      PaperSourceCase{"BackOnTheFirstDeviceItIsTheDefault", "sp10p", {1, 0}},
                      PaperSourceCase{"ChoosingTheSameDeviceAgainStartsAfresh", "s0p", {0}},
                      PaperSourceCase{"SetAfterTheChangeHolds", "s1sp", {1}},
                      PaperSourceCase{"SetButNotPrintedDoesNotCarryOver", "s1p0p", {0, 0}}),
    RowName());

} // namespace
