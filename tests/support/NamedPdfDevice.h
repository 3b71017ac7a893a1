// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"
#include "surface/PdfDevice.h"

#include <QString>

// A real "Save as PDF" device under a name of the test's choosing, so a
// collection of several distinguishable devices can be built without CUPS.
class NamedPdfDevice : public OutputDevice
{
public:
    NamedPdfDevice(const QString &folder, QString name)
        : m_pdf(folder)
        , m_name(std::move(name))
    {
    }

    QString DeviceName() const override { return m_name; }
    int resolution() const override { return m_pdf.resolution(); }
    QPageLayout pageLayout() const override { return m_pdf.pageLayout(); }
    void print(const Page &page, const PrintSettings &settings) override { m_pdf.print(page, settings); }

private:
    PdfDevice m_pdf;
    QString m_name;
};
