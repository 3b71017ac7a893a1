// SPDX-License-Identifier: MIT
#include "surface/DocumentCollector.h"

#include <utility>

DocumentCollector::DocumentCollector(OutputDevice &device)
    : m_device(device)
{
}

QString DocumentCollector::DeviceName() const
{
    return m_device.DeviceName();
}

int DocumentCollector::resolution() const
{
    return m_device.resolution();
}

QPageLayout DocumentCollector::pageLayout() const
{
    return m_device.pageLayout();
}

QStringList DocumentCollector::descriptions() const
{
    return m_device.descriptions();
}

void DocumentCollector::print(const Page &page, const PrintSettings &settings)
{
    m_pages.append(page);
    m_names.append(settings.documentName);
    m_settings = settings;
}

void DocumentCollector::printDocument(const QString &documentName)
{
    if (m_pages.isEmpty())
        return;
    PrintSettings settings = m_settings;
    settings.documentName = documentName;
    m_device.printPages(std::exchange(m_pages, {}), settings);
    m_names.clear();
}
