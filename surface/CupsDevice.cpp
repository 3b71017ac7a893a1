// SPDX-License-Identifier: MIT
#include "surface/CupsDevice.h"

#include "platform/RuntimeError.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

CupsDevice::CupsDevice(const QPrinterInfo &info)
    : m_name(info.printerName())
{
    const QPrinter printer(info, QPrinter::HighResolution);
    m_resolution = printer.resolution();
    m_pageLayout = printer.pageLayout();
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
        renderer.render(pages[i]);
    }
    if (!painter.end())
        throw RuntimeError(RuntimeError::PrinterError);
}
