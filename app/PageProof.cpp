// SPDX-License-Identifier: MIT
#include "app/PageProof.h"

#include "dialogs/HandlerGuard.h"
#include "drawing/CalendarPrintJob.h"
#include "page/CalendarPage.h"
#include "surface/CaptureDevice.h"
#include "surface/PageRenderer.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QPainter>
#include <memory>

PageProof PageProof::of(const PrintSurface &surface, const OutputDevice &device, const CalendarPage &page,
                        const QLocale &locale)
{
    PageProof proof;
    proof.layout = device.pageLayout();
    proof.resolution = device.resolution();

    auto capture = std::make_unique<CaptureDevice>(device);
    const CaptureDevice &kept = *capture;
    Printers printers = Printers::only(std::move(capture));
    PrintSurface proofSurface(surface, printers);
    try {
        printCalendar(proofSurface, page, locale);
        proof.page = kept.page();
        // The job has read the month already; this cannot fail now.
        proof.caption = monthTitle(page, locale).simplified();
    } catch (const RuntimeError &error) {
        proof.error = runtimeErrorBox(error).text;
        proof.error.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return proof;
}

QImage PageProof::sheet(int dotsPerInch, qreal devicePixelRatio) const
{
    const QSizeF paper = layout.fullRect(QPageLayout::Inch).size() * dotsPerInch * devicePixelRatio;
    QImage image(QSize(qRound(paper.width()), qRound(paper.height())), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    // Fonts are sized by the image's own resolution.
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    if (failed())
        return image;

    QPainter painter(&image);
    painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRectF printable = layout.paintRect(QPageLayout::Inch);
    painter.translate(printable.topLeft() * dotsPerInch);
    PageRenderer(painter, dotsPerInch, resolution).render(page, printable.size() * dotsPerInch);
    return image;
}
