// SPDX-License-Identifier: MIT
#include "app/FirstPrintWarmUp.h"

#include "app/frmSorvane.h"
#include "drawing/CalendarPrintJob.h"
#include "platform/RuntimeError.h"
#include "surface/OutputDevice.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"
#include "surface/PrintSurface.h"

#include <QEvent>
#include <QLocale>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

// A PDF of the program's paper written into a temporary file, as prints
// are, which goes at once.
class DiscardedPdf : public OutputDevice
{
public:
    QString DeviceName() const override { return QStringLiteral("Save as PDF"); }
    int resolution() const override { return PdfDevice::Resolution; }
    QPageLayout pageLayout() const override { return PdfDevice::layoutFor(PdfDevice::pageSizeFor(QLocale())); }
    void print(const Page &page, const PrintSettings &settings) override { printPages({page}, settings); }
    void printPages(const QList<Page> &pages, const PrintSettings &settings) override
    {
        QTemporaryFile out;
        if (out.open())
            PdfDevice::writeDocument(out, pages, settings, pageLayout());
    }
};

} // namespace

FirstPrintWarmUp::FirstPrintWarmUp(const frmSorvane &window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
}

bool FirstPrintWarmUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &FirstPrintWarmUp::warmUp);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPrintWarmUp::warmUp()
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<DiscardedPdf>());
    Printers printers(std::move(devices));
    PrintSurface surface(printers);
    CalendarPage page = m_window.page();
    // One copy shows all a print needs; a typed count would only cost.
    page.txtCopies = QStringLiteral("1");
    // Every font of the page draws, with the glyphs most texts use.
    const QString sample =
        QStringLiteral("Quick brown foxes jump over the lazy dog, QUICK BROWN FOXES JUMP OVER THE LAZY DOG. 0123456789");
    for (QString *text : {&page.txtHeader, &page.txtMessage[0], &page.txtMessage[5]}) {
        if (text->isEmpty())
            *text = sample;
    }
    try {
        printCalendar(surface, page, QLocale());
    } catch (const RuntimeError &) {
        // A page that cannot print says so when the user prints it.
    }
    Q_EMIT warmedUp();
}
