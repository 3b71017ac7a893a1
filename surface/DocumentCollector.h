// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"
#include "surface/Page.h"

#include <QList>
#include <QStringList>

// Stands in for a device while several pages are made into one document:
// the surface measures as that device does, each page it ends is kept, and
// printDocument() hands all of them to the device at once. Nothing reaches
// the device before that.
class DocumentCollector : public OutputDevice
{
public:
    explicit DocumentCollector(OutputDevice &device);

    QString DeviceName() const override;
    int resolution() const override;
    QPageLayout pageLayout() const override;
    QStringList descriptions() const override;
    void print(const Page &page, const PrintSettings &settings) override;

    // The names the pages were ended under, in order.
    QStringList pageNames() const { return m_names; }
    // Prints the kept pages as one document under documentName, with the
    // copies and device settings of the last page.
    void printDocument(const QString &documentName);

private:
    OutputDevice &m_device;
    QList<Page> m_pages;
    QStringList m_names;
    PrintSettings m_settings;
};
