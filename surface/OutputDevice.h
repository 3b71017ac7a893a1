// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPaintDevice;
struct Page;
struct PrintSettings;

// Told as each copy of a print starts, with its number (from 1) and the
// number of copies; returning false cancels the print, and nothing of it
// is kept. It may let the user's windows repaint.
using CopyProgress = std::function<bool(int copy, int copies)>;

// What a finished document carries to a device besides its page.
struct PrintSettings
{
    int copies = 1;
    // Name of the document; the PDF device names its file after it.
    QString documentName;
    // Paper source to select (0: the device's default, 1: upper tray).
    int paperSource = 0;
    // Empty: the print runs to its end.
    CopyProgress progress;
};

// One output device of the Printers collection.
class OutputDevice
{
public:
    virtual ~OutputDevice() = default;

    virtual QString DeviceName() const = 0;

    // Dots per inch of the device: DrawWidth is counted in these dots, and
    // text is measured with the font metrics at this resolution.
    virtual int resolution() const = 0;

    // The paper and its printable area; page coordinates start at the
    // printable area's top-left corner.
    virtual QPageLayout pageLayout() const = 0;

    // The papers the user may choose among; by default only the one it has.
    virtual QList<QPageSize> paperSizes() const;
    // Prints on size from now on, portrait. A device of one paper keeps it.
    virtual void setPaper(const QPageSize &size);
    // Why the device does not print on the paper it reports, in one line;
    // empty when it does.
    virtual QString paperNote() const { return {}; }
    // What the device tells of itself besides its name (its description,
    // make and model).
    virtual QStringList descriptions() const { return {}; }

    // Prints the page in the settings' number of copies, or nothing once
    // the settings' progress cancels. Raises RuntimeError::PrinterError when
    // the device cannot be opened.
    virtual void print(const Page &page, const PrintSettings &settings) = 0;

    // Prints the pages as one document (one file, one job), the whole
    // document in the settings' number of copies. A device that knows no
    // documents of several pages prints each page as a document of its own.
    virtual void printPages(const QList<Page> &pages, const PrintSettings &settings);
};
