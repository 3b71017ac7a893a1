// SPDX-License-Identifier: MIT
#include "surface/CupsDevice.h"

#include "platform/RuntimeError.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"
#include "surface/Paper.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

CupsDevice::CupsDevice(const QPrinterInfo &info, const QPageSize &fallback)
    : m_name(info.printerName())
{
    for (const QString &text : {info.description(), info.makeAndModel()}) {
        if (!text.isEmpty())
            m_descriptions.append(text);
    }
    for (const QPageSize &size : info.supportedPageSizes()) {
        if (Paper::isReadable(size))
            m_paperSizes.append(size);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    m_resolution = printer.resolution();
    // Left alone, QPrinter prints on A4 whatever the queue's default.
    m_pageLayout = layoutOn(printer, info.defaultPageSize());
    if (!Paper::isUsable(m_pageLayout)) {
        m_pageLayout = layoutOn(printer, fallback);
        m_paperNote = QCoreApplication::translate("CupsDevice", "%1 reports no usable paper; printing on %2.")
                          .arg(m_name, fallback.name());
    }
}

QList<QPageSize> CupsDevice::paperSizes() const
{
    return m_paperSizes.isEmpty() ? QList<QPageSize>{m_pageLayout.pageSize()} : m_paperSizes;
}

void CupsDevice::setPaper(const QPageSize &size)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
    if (info.isNull())
        return;
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout layout = layoutOn(printer, size);
    if (Paper::isUsable(layout))
        m_pageLayout = layout;
}

QPageLayout CupsDevice::layoutOn(QPrinter &printer, const QPageSize &size) const
{
    if (!size.isValid() || !printer.setPageSize(size))
        return {};
    printer.setPageOrientation(QPageLayout::Portrait);
    return printer.pageLayout();
}

void CupsDevice::print(const Page &page, const PrintSettings &settings)
{
    printPages({page}, settings);
}

void CupsDevice::printPages(const QList<Page> &pages, const PrintSettings &settings)
{
    // The queue may have gone since the list was made.
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_name);
    if (info.isNull())
        throw RuntimeError(RuntimeError::PrinterError);
    QPrinter printer(info, QPrinter::HighResolution);
    if (!layoutOn(printer, m_pageLayout.pageSize()).isValid())
        throw RuntimeError(RuntimeError::PrinterError);
    printer.setDocName(settings.documentName);
    printer.setCopyCount(std::max(settings.copies, 1));
    printer.setCollateCopies(true);
    if (settings.paperSource == 1)
        printer.setPaperSource(QPrinter::Upper);

    // The server makes the copies from the document, so there is one step to
    // tell; cancelled before it, nothing reaches the server.
    if (settings.progress && !settings.progress(1, std::max(settings.copies, 1)))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        throw RuntimeError(RuntimeError::PrinterError);
    const PageRenderer renderer(painter, printer.resolution());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            printer.abort();
            throw RuntimeError(RuntimeError::PrinterError);
        }
        renderer.render(pages[i], QSizeF(printer.width(), printer.height()));
    }
    if (!painter.end())
        throw RuntimeError(RuntimeError::PrinterError);
}
