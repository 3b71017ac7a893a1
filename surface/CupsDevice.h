// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"

#include <QPageLayout>
#include <QString>

class QPrinter;
class QPrinterInfo;

// A CUPS destination, printed on through QPrinter with the destination's own
// default paper and printable area, or the paper chosen for it.
class CupsDevice : public OutputDevice
{
public:
    // fallback: the paper taken where the destination reports none usable.
    CupsDevice(const QPrinterInfo &info, const QPageSize &fallback);

    QString DeviceName() const override { return m_name; }
    int resolution() const override { return m_resolution; }
    QPageLayout pageLayout() const override { return m_pageLayout; }
    QList<QPageSize> paperSizes() const override;
    void setPaper(const QPageSize &size) override;
    QString paperNote() const override { return m_paperNote; }
    QStringList descriptions() const override { return m_descriptions; }
    void print(const Page &page, const PrintSettings &settings) override;
    void printPages(const QList<Page> &pages, const PrintSettings &settings) override;

private:
    // The layout QPrinter gives size on this destination; invalid when the
    // destination's margins leave no room on it.
    QPageLayout layoutOn(QPrinter &printer, const QPageSize &size) const;

    QString m_name;
    QStringList m_descriptions;
    QList<QPageSize> m_paperSizes;
    int m_resolution = 0;
    QPageLayout m_pageLayout;
    QString m_paperNote;
};
