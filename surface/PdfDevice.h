// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"

#include <QPageSize>
#include <QString>

class QIODevice;
class QLocale;

// "Save as PDF": every print becomes a new PDF file in a folder, named after
// the document and never overwriting an existing entry, one page per copy.
// The file appears under its name only once complete.
class PdfDevice : public OutputDevice
{
public:
    static constexpr int Resolution = 600;

    explicit PdfDevice(QString folder);
    PdfDevice(QString folder, QPageSize pageSize);

    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize pageSizeFor(const QLocale &locale);
    // folder/baseName.pdf, or the first of "baseName (2).pdf", "(3)" ...
    // that no entry takes yet (a dangling link takes its name).
    static QString freeFileName(const QString &folder, const QString &baseName);

    // The paper with the printable area every PDF of the program has.
    static QPageLayout layoutFor(const QPageSize &pageSize);
    // Writes the pages as one PDF document to out, the whole document once
    // per copy; false when the settings' progress cancelled it. Raises
    // RuntimeError::PrinterError when out cannot take it.
    static bool writeDocument(QIODevice &out, const QList<Page> &pages, const PrintSettings &settings,
                              const QPageLayout &layout);

    QString DeviceName() const override;
    int resolution() const override { return Resolution; }
    QPageLayout pageLayout() const override;
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
