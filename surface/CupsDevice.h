// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"

#include <QPageLayout>
#include <QString>

class QPrinterInfo;

// A CUPS destination, printed on through QPrinter with the destination's own
// default paper and printable area.
class CupsDevice : public OutputDevice
{
public:
    explicit CupsDevice(const QPrinterInfo &info);

    QString DeviceName() const override { return m_name; }
    int resolution() const override { return m_resolution; }
    QPageLayout pageLayout() const override { return m_pageLayout; }
    void print(const Page &page, const PrintSettings &settings) override;
    void printPages(const QList<Page> &pages, const PrintSettings &settings) override;

private:
    QString m_name;
    int m_resolution = 0;
    QPageLayout m_pageLayout;
};
