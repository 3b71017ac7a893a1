// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"
#include "surface/OutputFile.h"

#include <QPageSize>
#include <QString>

// "Save as PDF" into one file named by the user: the file holds the whole
// document or does not appear at all, and an existing file is replaced only
// when that is asked for.
class PdfFileDevice : public OutputDevice
{
public:
    PdfFileDevice(QString path, OutputFile::Existing existing, QPageSize pageSize);

    QString DeviceName() const override;
    int resolution() const override;
    QPageLayout pageLayout() const override;
    QList<QPageSize> paperSizes() const override;
    void setPaper(const QPageSize &size) override { m_pageSize = size; }
    void print(const Page &page, const PrintSettings &settings) override;
    void printPages(const QList<Page> &pages, const PrintSettings &settings) override;

private:
    QString m_path;
    OutputFile::Existing m_existing;
    QPageSize m_pageSize;
};
