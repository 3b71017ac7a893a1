// SPDX-License-Identifier: MIT
#pragma once

#include "app/CommandLine.h"
#include "page/Picture.h"
#include "surface/Printers.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <functional>
#include <memory>
#include <optional>

class EventSource;
class OutputDevice;
struct CalendarPage;

// What a run from the command line takes from outside: the system's output
// devices (asked for only when needed), where its lines go, today's date and
// the user's locale.
struct CommandLineContext
{
    std::function<Printers()> systemPrinters;
    std::function<void(const QString &)> toOutput;
    std::function<void(const QString &)> toError;
    QDate today;
    QLocale locale;
};

// Prints the pages the command line names without a window, as the window's
// print button would print each of them, into one document. Message boxes
// become lines on standard error; a failed run sends nothing to the device.
class CommandLinePrint
{
public:
    CommandLinePrint(const CommandLineOptions &options, CommandLineContext context);

    ExitStatus run();

    // One line per output device, as "Select Printer" lists them.
    static ExitStatus listPrinters(const CommandLineContext &context);

private:
    std::optional<QList<CalendarPage>> makePages();
    bool loadPicture();
    bool loadEvents();
    bool readControlFile(const QString &path, CalendarPage &page);
    void applyOptions(CalendarPage &page) const;
    OutputDevice *findDevice();
    // Puts the paper asked for on device, or tells why its own paper is not
    // taken; false when it cannot print on the paper asked for.
    bool choosePaper(OutputDevice &device) const;
    ExitStatus print(const QList<CalendarPage> &pages, OutputDevice &device);
    void report(const QString &source, const QString &reason, bool warning = false) const;

    const CommandLineOptions &m_options;
    CommandLineContext m_context;
    Picture m_picture;
    bool m_pictureLoaded = false;
    std::shared_ptr<const EventSource> m_events;
    std::optional<Printers> m_systemPrinters;
    std::unique_ptr<OutputDevice> m_outputFile;
};
