#pragma once

#include "surface/OutputDevice.h"

#include <QPageSize>
#include <QString>

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

    QString DeviceName() const override;
    int resolution() const override { return Resolution; }
    QPageLayout pageLayout() const override;
    void print(const Page &page, const PrintSettings &settings) override;

    QString folder() const { return m_folder; }
    // The file written by the last print; empty before the first.
    QString lastFile() const { return m_lastFile; }

private:
    QString m_folder;
    QPageSize m_pageSize;
    QString m_lastFile;
};
