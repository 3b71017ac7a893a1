// SPDX-License-Identifier: MIT
#pragma once

#include "surface/Page.h"
#include "surface/PdfDevice.h"

// The "Save as PDF" device under a name of the test's choosing, keeping what
// it was handed so a test can read the finished page back.
class KeptPdfDevice : public PdfDevice
{
public:
    KeptPdfDevice(const QString &folder, const QString &name);

    QString DeviceName() const override { return m_name; }
    QStringList descriptions() const override { return m_descriptions; }
    void setDescriptions(const QStringList &descriptions) { m_descriptions = descriptions; }
    void print(const Page &page, const PrintSettings &settings) override;

    int printCount() const { return m_printCount; }
    const Page &lastPage() const { return m_lastPage; }
    const PrintSettings &lastSettings() const { return m_lastSettings; }

private:
    QString m_name;
    QStringList m_descriptions;
    int m_printCount = 0;
    Page m_lastPage;
    PrintSettings m_lastSettings;
};
