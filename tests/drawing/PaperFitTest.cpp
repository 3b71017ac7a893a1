// SPDX-License-Identifier: MIT
#include "PrintTarget.h"

#include "drawing/CalendarPrintJob.h"
#include "page/CalendarPage.h"
#include "surface/PageFit.h"
#include "surface/PageRenderer.h"

#include <QPainter>
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
    const QSizeF printable = printableInches * Dpi;
    QImage image(printable.toSize() + QSize(40, 40), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(Dpi / 0.0254));
    image.setDotsPerMeterY(qRound(Dpi / 0.0254));
    image.fill(Qt::white);
    QImage blank = image;
    QPainter painter(&image);
    painter.translate(20, 20);
    PageRenderer(painter, Dpi, PdfDevice::Resolution).render(page, printable);
    painter.fillRect(QRectF(QPointF(-1, -1), printable + QSizeF(2, 2)), Qt::white);
    painter.end();
    return image != blank;
}

TEST(PaperFitTest, WholePageInsideThePrintableAreaScaledOnlyWhenItMustBe)
{
    struct Row
    {
        QPageSize::PageSizeId paper;
        double marginInches;
        double scale;
    };
    const Row rows[] = {
        {QPageSize::Letter, 0, 1},      {QPageSize::Letter, 0.25, 1},  {QPageSize::Letter, 0.5, 0.9584},
        {QPageSize::A4, 0, 1},          {QPageSize::A4, 0.25, 0.9933}, {QPageSize::A4, 0.5, 0.9294},
        {QPageSize::A5, 0, 0.7453},     {QPageSize::A5, 0.25, 0.6818}, {QPageSize::A5, 0.5, 0.6175},
        {QPageSize::Legal, 0, 1},       {QPageSize::Legal, 0.25, 1},   {QPageSize::Legal, 0.5, 0.9588},
    };
    const Page page = fullPage();
    for (const Row &row : rows) {
        const double margin = row.marginInches * 72;
        const QPageLayout layout(QPageSize(row.paper), QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin));
        const QSizeF printable = layout.paintRect(QPageLayout::Inch).size();
        SCOPED_TRACE(QPageSize::key(row.paper).toStdString() + " " + std::to_string(row.marginInches));
        const QTransform fit = PageFit::of(page, printable * 1440, PdfDevice::Resolution);
        EXPECT_NEAR(fit.m11(), row.scale, 0.0005);
        EXPECT_EQ(fit.m11(), fit.m22()) << "distorted";
        EXPECT_EQ(fit.isIdentity(), row.scale == 1) << "moved though it fits";
        EXPECT_FALSE(drawsOutside(page, printable));
    }
}

} // namespace
