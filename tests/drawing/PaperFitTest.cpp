// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/RowName.h"

#include "drawing/CalendarPrintJob.h"
#include "surface/CalendarPage.h"
#include "surface/PageFit.h"
#include "surface/PageRenderer.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The page with every kind of drawing, as recorded for a 600 dpi device.
Page fullPage()
{
    CalendarPage input;
    input.txtHeader = QStringLiteral("The Sorvane Family");
    input.txtMessage = {QStringLiteral("12 Main Street"), {}, {}, {}, {}, QStringLiteral("Happy Spring")};
    QImage image(60, 45, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    input.picture = Picture::fromImage(image, QSizeF(6000, 4500));
    input.binSelPic = true;
    input.strNotes[30] = QStringLiteral("Last day of the month");
    PrintTarget target;
    printCalendar(target.surface(), input, QLocale(QLocale::English, QLocale::UnitedStates));
    return target.device().lastPage();
}

// Whether the page drawn at 72 dpi on a printable area of that size shows
// anything outside it (one dot of rounding aside).
bool drawsOutside(const Page &page, const QSizeF &printableInches)
{
    constexpr int Dpi = 72;
    constexpr int Border = 10;
    const QSizeF printable = printableInches * Dpi;
    const QRect inside(Border - 1, Border - 1, int(std::ceil(printable.width())) + 2, int(std::ceil(printable.height())) + 2);
    QImage image(inside.size() + QSize(2 * Border, 2 * Border), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(Dpi / 0.0254));
    image.setDotsPerMeterY(qRound(Dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(Border, Border);
    PageRenderer(painter, Dpi, PdfDevice::Resolution).render(page, printable);
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

struct FitRow
{
    const char *name;
    QPageSize::PageSizeId paper;
    double marginInches;
    double scale;
};

class PaperFit : public ::testing::TestWithParam<FitRow>
{
};

TEST_P(PaperFit, WholePageInsideThePrintableAreaScaledOnlyWhenItMustBe)
{
    static const Page page = fullPage();
    const FitRow &row = GetParam();
    const double margin = row.marginInches * 72;
    const QPageLayout layout(QPageSize(row.paper), QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin));
    const QSizeF printable = layout.paintRect(QPageLayout::Inch).size();

    const QTransform fit = PageFit::of(page, printable * 1440, PdfDevice::Resolution);
    EXPECT_NEAR(fit.m11(), row.scale, 0.0005);
    EXPECT_EQ(fit.m11(), fit.m22()) << "distorted";
    EXPECT_EQ(fit.isIdentity(), row.scale == 1) << "moved though it fits";
    EXPECT_FALSE(drawsOutside(page, printable));
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperFit,
                         ::testing::Values(FitRow{"Letter0", QPageSize::Letter, 0, 1},
                                           FitRow{"LetterQuarterInch", QPageSize::Letter, 0.25, 1},
                                           FitRow{"LetterHalfInch", QPageSize::Letter, 0.5, 0.9408},
                                           FitRow{"A4Zero", QPageSize::A4, 0, 1},
                                           FitRow{"A4QuarterInch", QPageSize::A4, 0.25, 0.9747},
                                           FitRow{"A4HalfInch", QPageSize::A4, 0.5, 0.9120},
                                           FitRow{"A5Zero", QPageSize::A5, 0, 0.7313},
                                           FitRow{"A5QuarterInch", QPageSize::A5, 0.25, 0.6691},
                                           FitRow{"A5HalfInch", QPageSize::A5, 0.5, 0.6063},
                                           FitRow{"LegalZero", QPageSize::Legal, 0, 1},
                                           FitRow{"LegalQuarterInch", QPageSize::Legal, 0.25, 1},
                                           FitRow{"LegalHalfInch", QPageSize::Legal, 0.5, 0.9408}),
                         RowName());

} // namespace
