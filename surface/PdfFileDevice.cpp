// SPDX-License-Identifier: MIT
#include "surface/PdfFileDevice.h"

#include "platform/RuntimeError.h"
#include "surface/Page.h"
#include "surface/PdfDevice.h"

PdfFileDevice::PdfFileDevice(QString path, OutputFile::Existing existing, QPageSize pageSize)
    : m_path(std::move(path))
    , m_existing(existing)
    , m_pageSize(std::move(pageSize))
{
}

QString PdfFileDevice::DeviceName() const
{
    return QStringLiteral("Save as PDF");
}

int PdfFileDevice::resolution() const
{
    return PdfDevice::Resolution;
}

QPageLayout PdfFileDevice::pageLayout() const
{
    return PdfDevice::layoutFor(m_pageSize);
}

QList<QPageSize> PdfFileDevice::paperSizes() const
{
    return PdfDevice::paperSizesWith(m_pageSize);
}

void PdfFileDevice::print(const Page &page, const PrintSettings &settings)
{
    printPages({page}, settings);
}

void PdfFileDevice::printPages(const QList<Page> &pages, const PrintSettings &settings)
{
    OutputFile file(m_path, m_existing);
    if (!file.open())
        throw RuntimeError(RuntimeError::PrinterError, file.problem());
    // Cancelled, the file never gets its name.
    if (!PdfDevice::writeDocument(file.device(), pages, settings, pageLayout()))
        return;
    if (!file.commit())
        throw RuntimeError(RuntimeError::PrinterError, file.problem());
}
