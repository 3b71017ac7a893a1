// SPDX-License-Identifier: MIT
#include "KeptPdfDevice.h"

KeptPdfDevice::KeptPdfDevice(const QString &folder, const QString &name)
    : PdfDevice(folder)
    , m_name(name)
{
}

void KeptPdfDevice::print(const Page &page, const PrintSettings &settings)
{
    ++m_printCount;
    m_lastPage = page;
    m_lastSettings = settings;
    PdfDevice::print(page, settings);
}
