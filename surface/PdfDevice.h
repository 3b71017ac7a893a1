// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Twips.h"
#include "surface/OutputDevice.h"

#include <QPageSize>
#include <QString>

class QIODevice;

// "Save as PDF": every print becomes a new PDF file in a folder, named after
// the document and never overwriting an existing entry, one page per copy.
// The file appears under its name only once complete.
class PdfDevice : public OutputDevice
{
public:
    static constexpr int Resolution = PrintDotsPerInch;

    // On the system's default paper.
    explicit PdfDevice(QString folder);
    PdfDevice(QString folder, QPageSize pageSize);

    // The paper with the printable area every PDF of the program has.
    static QPageLayout layoutFor(const QPageSize &pageSize);
    // The papers a PDF may be written on: the common ones and current.
    static QList<QPageSize> paperSizesWith(const QPageSize &current);
    // Writes the pages as one PDF document to out, the whole document once
    // per copy; false when the settings' progress cancelled it. Raises
    // RuntimeError::PrinterError when out cannot take it.
    static bool writeDocument(QIODevice &out, const QList<Page> &pages, const PrintSettings &settings,
                              const QPageLayout &layout);

    QString DeviceName() const override;
    int resolution() const override { return Resolution; }
    QPageLayout pageLayout() const override;
    QList<QPageSize> paperSizes() const override;
    void setPaper(const QPageSize &size) override { m_pageSize = size; }
    void print(const Page &page, const PrintSettings &settings) override;
    void printPages(const QList<Page> &pages, const PrintSettings &settings) override;

    QString folder() const { return m_folder; }
    // The file written by the last print; empty before the first.
    QString lastFile() const { return m_lastFile; }

private:
    QString m_folder;
    QPageSize m_pageSize;
    QString m_lastFile;
};
