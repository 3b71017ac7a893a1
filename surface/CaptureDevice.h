// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"
#include "surface/Page.h"

// Stands in for another device: text is measured and the page laid out as
// on that device, but a finished page is kept here instead of printed.
class CaptureDevice : public OutputDevice
{
public:
    explicit CaptureDevice(const OutputDevice &model);

    QString DeviceName() const override { return m_name; }
    int resolution() const override { return m_resolution; }
    QPageLayout pageLayout() const override { return m_pageLayout; }
    QStringList descriptions() const override { return m_descriptions; }
    void print(const Page &page, const PrintSettings &settings) override;

    // The last page handed over; empty before the first.
    const Page &page() const { return m_page; }

private:
    QString m_name;
    QStringList m_descriptions;
    int m_resolution = 0;
    QPageLayout m_pageLayout;
    Page m_page;
};
