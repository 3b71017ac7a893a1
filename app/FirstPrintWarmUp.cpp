// SPDX-License-Identifier: MIT
#include "app/FirstPrintWarmUp.h"

#include "app/frmSorvane.h"
#include "drawing/CalendarPrintJob.h"
#include "platform/RuntimeError.h"
#include "surface/OutputDevice.h"
#include "surface/Paper.h"
#include "surface/PdfDevice.h"
#include "surface/PdfFileDevice.h"
#include "surface/Printers.h"
#include "surface/PrintSurface.h"

#include <QEvent>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

// Prints page once into a PDF at path: every font of the page draws, with
// the glyphs most texts use.
void printOnce(CalendarPage page, const QString &path)
{
    Printers printers = Printers::only(
        std::make_unique<PdfFileDevice>(path, OutputFile::Existing::Replace, Paper::forLocale(QLocale())));
    PrintSurface surface(printers);
    // One copy shows all a print needs; a typed count would only cost.
    page.txtCopies = QStringLiteral("1");
    const QString sample =
        QStringLiteral("Quick brown foxes jump over the lazy dog, QUICK BROWN FOXES JUMP OVER THE LAZY DOG. 0123456789");
    for (QString *text : {&page.txtHeader, &page.txtMessage[0], &page.txtMessage[CalendarPage::MessageLine]}) {
        if (text->isEmpty())
            *text = sample;
    }
    try {
        printCalendar(surface, page, QLocale());
    } catch (const RuntimeError &) {
        // A page that cannot print says so when the user prints it.
    }
}

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
    // A folder of its own, which goes with what was written into it.
    const QTemporaryDir folder;
    if (folder.isValid())
        printOnce(m_window.page(), folder.filePath(QStringLiteral("warm-up.pdf")));
    Q_EMIT warmedUp();
}
