#include "NamedPdfDevice.h"

NamedPdfDevice::NamedPdfDevice(const QString &folder, const QString &name)
    : PdfDevice(folder)
    , m_name(name)
{
}

void NamedPdfDevice::print(const Page &page, const PrintSettings &settings)
{
    ++m_printCount;
    m_lastPage = page;
    m_lastSettings = settings;
    PdfDevice::print(page, settings);
}
