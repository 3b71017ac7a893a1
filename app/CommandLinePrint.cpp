// SPDX-License-Identifier: MIT
#include "app/CommandLinePrint.h"

#include "app/RefusalWords.h"
#include "dialogs/frmSelectPrt.h"
#include "drawing/CalendarPrintJob.h"
#include "input/CalendarFile.h"
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "input/ShowPicFile.h"
#include "page/CalendarPage.h"
#include "platform/RuntimeError.h"
#include "surface/DocumentCollector.h"
#include "surface/OutputFile.h"
#include "surface/Paper.h"
#include "surface/PdfDevice.h"
#include "surface/PdfFileDevice.h"
#include "surface/PrintSurface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimeZone>


CommandLinePrint::CommandLinePrint(const CommandLineOptions &options, CommandLineContext context)
    : m_options(options)
    , m_context(std::move(context))
{
}

ExitStatus CommandLinePrint::listPrinters(const CommandLineContext &context)
{
    const Printers printers = context.systemPrinters();
    for (int index = 0; index < printers.count(); ++index) {
        const OutputDevice &device = printers.item(index);
        context.toOutput(QCoreApplication::translate("CommandLinePrint", "%1 (paper: %2)")
                             .arg(frmSelectPrt::deviceLine(index + 1, device.DeviceName()),
                                  Paper::nameOf(device.pageLayout().pageSize())));
    }
    return ExitStatus::Printed;
}

ExitStatus CommandLinePrint::run()
{
    if (!m_options.output.isEmpty() && !m_options.force && OutputFile::exists(m_options.output)) {
        m_context.toError(
            QCoreApplication::translate("CommandLinePrint", "%1: The file already exists; --force replaces it.")
                .arg(m_options.output));
        return ExitStatus::PrintFailed;
    }
    const std::optional<QList<CalendarPage>> pages = makePages();
    if (!pages)
        return ExitStatus::InputUnreadable;
    OutputDevice *device = findDevice();
    if (!device || !choosePaper(*device))
        return ExitStatus::PrintFailed;
    return print(*pages, *device);
}

std::optional<QList<CalendarPage>> CommandLinePrint::makePages()
{
    if (!loadPicture() || !loadEvents())
        return std::nullopt;
    QList<CalendarPage> pages;
    for (const QString &path : m_options.controlFiles) {
        CalendarPage page;
        if (!readControlFile(path, page))
            return std::nullopt;
        pages.append(page);
    }
    for (const YearMonth &month : m_options.months) {
        CalendarPage page;
        page.txtYear = QString::number(month.year);
        page.txtMonth = QString::number(month.month);
        pages.append(page);
    }
    for (CalendarPage &page : pages)
        applyOptions(page);
    return pages;
}

// Loaded once for every page, so that a document stores it once.
bool CommandLinePrint::loadPicture()
{
    if (m_options.picture.isEmpty())
        return true;
    const std::optional<Refusal> refusal = ShowPicFile(m_options.picture, m_picture, m_pictureLoaded);
    // A name too short to be a picture is passed over; here it is unreadable.
    const Refusal unreadable{Refusal::Subject::Picture, Refusal::Reason::Unreadable, m_options.picture, {}};
    if (!m_pictureLoaded)
        report(m_options.picture, refusalReason(refusal.value_or(unreadable)));
    return m_pictureLoaded;
}

// Read once; every page shows its own month's dates.
bool CommandLinePrint::loadEvents()
{
    if (m_options.eventFiles.isEmpty())
        return true;
    const CalendarFileRead read = readCalendarFiles(m_options.eventFiles, QTimeZone::systemTimeZone());
    if (!read.events)
        report(QFileInfo(read.refusal->file).fileName(), refusalReason(*read.refusal));
    for (const LeftOutEntries &entries : read.leftOut)
        report(QFileInfo(entries.file).fileName(), leftOutReason(entries), true);
    m_events = read.events;
    return bool(m_events);
}

bool CommandLinePrint::readControlFile(const QString &path, CalendarPage &page)
{
    bool unreadable = false;
    for (const Refusal &refusal : ReadNotesFile(path, page, {m_context.today, m_context.locale})) {
        // A picture line's file that cannot be loaded is passed over, as in
        // the window; one of another kind is printed without.
        const bool picture = refusal.subject == Refusal::Subject::Picture;
        if (picture && refusal.reason == Refusal::Reason::Unreadable)
            continue;
        report(path, refusalReason(refusal), picture);
        unreadable = unreadable || !picture;
    }
    return !unreadable;
}

void CommandLinePrint::applyOptions(CalendarPage &page) const
{
    if (m_options.header)
        page.txtHeader = *m_options.header;
    if (m_options.lines) {
        for (qsizetype i = 0; i < CalendarPage::LineCount; ++i)
            page.txtMessage[size_t(i)] = m_options.lines->value(i);
    }
    if (m_options.message)
        page.txtMessage[CalendarPage::MessageLine] = *m_options.message;
    for (const auto &[font, family] : m_options.fonts)
        page.fonts.*font = family;
    if (m_options.copies)
        page.txtCopies = QString::number(*m_options.copies);
    if (m_pictureLoaded) {
        page.picture = m_picture;
        page.binSelPic = true;
    }
    if (m_events)
        page.events = m_events;
    if (m_options.weekStart)
        page.weekStart = *m_options.weekStart;
}

OutputDevice *CommandLinePrint::findDevice()
{
    if (!m_options.output.isEmpty()) {
        const auto existing = m_options.force ? OutputFile::Existing::Replace : OutputFile::Existing::Keep;
        m_outputFile = std::make_unique<PdfFileDevice>(m_options.output, existing,
                                                       Paper::systemDefault(m_context.locale));
        return m_outputFile.get();
    }
    m_systemPrinters = m_context.systemPrinters();
    if (m_options.printer.isEmpty())
        return &m_systemPrinters->current();
    for (int index = 0; index < m_systemPrinters->count(); ++index) {
        if (m_systemPrinters->item(index).DeviceName() == m_options.printer)
            return &m_systemPrinters->item(index);
    }
    report(m_options.printer, QCoreApplication::translate("CommandLinePrint", "The device is not available."));
    return nullptr;
}

bool CommandLinePrint::choosePaper(OutputDevice &device) const
{
    if (!m_options.paper) {
        if (!device.paperNote().isEmpty())
            m_context.toError(QCoreApplication::translate("CommandLinePrint", "warning: ") + device.paperNote());
        return true;
    }
    device.setPaper(*m_options.paper);
    if (device.pageLayout().pageSize().isEquivalentTo(*m_options.paper))
        return true;
    m_context.toError(QCoreApplication::translate("CommandLinePrint", "%1: The device cannot print on %2.")
                          .arg(device.DeviceName(), Paper::nameOf(*m_options.paper)));
    return false;
}

ExitStatus CommandLinePrint::print(const QList<CalendarPage> &pages, OutputDevice &device)
{
    auto collecting = std::make_unique<DocumentCollector>(device);
    DocumentCollector &collector = *collecting;
    Printers printers = Printers::only(std::move(collecting));
    PrintSurface surface(printers);
    try {
        for (const CalendarPage &page : pages)
            printCalendar(surface, page, m_context.locale);
        collector.printDocument(pages.isEmpty() ? QString() : documentName(pages.first(), pages.last()));
    } catch (const RuntimeError &error) {
        if (error.cause().isEmpty())
            report(QString(),
                   QCoreApplication::translate("CommandLinePrint", "Run-time error '%1': %2")
                       .arg(int(error.number()))
                       .arg(error.description()));
        else
            m_context.toError(error.cause());
        return ExitStatus::PrintFailed;
    }
    if (const auto *pdf = dynamic_cast<const PdfDevice *>(&device))
        m_context.toOutput(pdf->lastFile());
    return ExitStatus::Printed;
}

void CommandLinePrint::report(const QString &source, const QString &reason, bool warning) const
{
    QString line = reason;
    if (warning)
        line.prepend(QCoreApplication::translate("CommandLinePrint", "warning: "));
    if (!source.isEmpty())
        line.prepend(source + QStringLiteral(": "));
    m_context.toError(line);
}
