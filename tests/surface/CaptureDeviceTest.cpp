// SPDX-License-Identifier: MIT
#include "RecordingDevice.h"

#include "surface/CaptureDevice.h"
#include "surface/FontSubstitutions.h"
#include "surface/PageRenderer.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A note wrapped by its measured width, as the month grid wraps them.
void drawNote(PrintSurface &surface)
{
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(8);
    surface.setCurrentX(300);
    surface.setCurrentY(500);
    for (const QString &word : {QStringLiteral("Planting"), QStringLiteral("day"), QStringLiteral("at"),
                               QStringLiteral("the"), QStringLiteral("allotments")}) {
        if (surface.CurrentX() + surface.TextWidth(word) > 1400) {
            surface.setCurrentX(300);
            surface.setCurrentY(surface.CurrentY() + surface.lineHeight());
        }
        surface.Print(word + u' ', PrintSurface::LineEnd::Continue);
    }
    surface.setDrawWidth(12);
    surface.LineBox(200, 400, 1400, 1000);
}

Printers oneDevice(std::unique_ptr<OutputDevice> device)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::move(device));
    return Printers(std::move(devices));
}

class CaptureDeviceTest : public testing::Test
{
protected:
    void SetUp() override { installFontSubstitutions(); }
};

// What the capture keeps is what the device it stands for is sent.
TEST_F(CaptureDeviceTest, KeepsThePageTheDeviceWouldPrint)
{
    auto recorder = std::make_unique<RecordingDevice>(300);
    RecordingDevice &printed = *recorder;
    Printers printers = oneDevice(std::move(recorder));
    PrintSurface surface(printers);
    drawNote(surface);
    surface.EndDoc();

    auto capture = std::make_unique<CaptureDevice>(printed);
    const CaptureDevice &kept = *capture;
    Printers standIn = oneDevice(std::move(capture));
    PrintSurface proof(surface, standIn);
    drawNote(proof);
    proof.EndDoc();

    ASSERT_EQ(printed.jobs.size(), 1);
    const QList<PageItem> &expected = printed.jobs[0].page.items;
    ASSERT_EQ(kept.page().items.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (const auto *text = std::get_if<PageText>(&expected[i])) {
            const auto &captured = std::get<PageText>(kept.page().items[i]);
            EXPECT_EQ(captured.text, text->text);
            EXPECT_EQ(captured.pos, text->pos) << text->text.toStdString();
        }
    }
    EXPECT_EQ(kept.DeviceName(), printed.DeviceName());
    EXPECT_EQ(kept.pageLayout(), printed.pageLayout());
}

TEST_F(CaptureDeviceTest, ASurfaceInAnothersStateCarriesItsFontAndPositionButNotItsPage)
{
    Printers printers = oneDevice(std::make_unique<RecordingDevice>());
    PrintSurface surface(printers);
    surface.setFontName(QStringLiteral("Times"));
    surface.setFontSize(18);
    surface.setFontBold(true);
    surface.setDrawWidth(6);
    surface.setCopies(3);
    surface.setCurrentX(120);
    surface.setCurrentY(4000);
    surface.Print(QStringLiteral("unfinished"));

    auto capture = std::make_unique<CaptureDevice>(printers.current());
    Printers standIn = oneDevice(std::move(capture));
    PrintSurface copy(surface, standIn);
    EXPECT_TRUE(copy.page().isEmpty());
    EXPECT_EQ(copy.FontName(), "Times");
    EXPECT_EQ(copy.FontSize(), 18);
    EXPECT_TRUE(copy.FontBold());
    EXPECT_EQ(copy.DrawWidth(), 6);
    EXPECT_EQ(copy.Copies(), 3);
    EXPECT_EQ(copy.CurrentX(), surface.CurrentX());
    EXPECT_EQ(copy.CurrentY(), surface.CurrentY());
    copy.EndDoc();
    EXPECT_EQ(surface.page().items.size(), 1) << "the original keeps its unfinished page";
}

// Line widths count in dots of the device the page was made for: 12 dots of
// a 600 dpi printer are 2 dots at 100 dpi.
TEST_F(CaptureDeviceTest, PreviewDrawsLinesAsWideAsOnTheDevice)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    Page page;
    page.items.append(PageLine{QPointF(0, 720), QPointF(14400, 720), 12, Qt::black});
    QPainter painter(&image);
    PageRenderer(painter, 100, 600).render(page);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        ink += qGray(image.pixel(100, y)) < 128;
    EXPECT_EQ(ink, 2);
}

} // namespace
