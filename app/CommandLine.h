// SPDX-License-Identifier: MIT
#pragma once

#include "page/CalendarPage.h"

#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// How a run of the program ends.
enum class ExitStatus { Printed = 0, BadUsage = 1, InputUnreadable = 2, PrintFailed = 3 };

// One month of one year, a page of its own when no control file is named.
struct YearMonth
{
    int year = 0;
    int month = 0;

    friend bool operator==(const YearMonth &, const YearMonth &) = default;
};

// What the command line asks for, checked: an action and, for printing,
// what makes the pages and where they go.
struct CommandLineOptions
{
    enum class Action { OpenWindow, Print, ListPrinters, ShowHelp, ShowVersion, Refuse };

    Action action = Action::OpenWindow;
    // Why the command line is refused.
    QString usageError;
    // Help asked for with Qt's own options too (--help-all).
    bool helpAll = false;

    // One page each, in this order; without them, one page per month.
    QStringList controlFiles;
    QList<YearMonth> months;

    // What the command line sets on every page, over what a control file
    // says.
    std::optional<QString> header;
    // Replaces the whole five-line block when given.
    std::optional<QStringList> lines;
    std::optional<QString> message;
    QString picture;
    // Calendar files and address books whose dates go on every page.
    QStringList eventFiles;
    QList<std::pair<QString PageFonts::*, QString>> fonts;
    std::optional<int> copies;

    // Where the document goes: a PDF file, a named device, else the
    // current device.
    QString output;
    bool force = false;
    QString printer;
    // The paper of the device printed on; its own when not given.
    std::optional<QPageSize> paper;

    // The first column of every page, printed or shown in the window.
    std::optional<WeekStart> weekStart;
};

CommandLineOptions parseCommandLine(const QStringList &arguments);
// The text of --help; of --help-all with Qt's own options.
QString commandLineHelp(bool withQtOptions = false);
