// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "app/CommandLinePrint.h"
#include "app/FirstPrintWarmUp.h"
#include "app/MessageFilter.h"
#include "app/PageKeeper.h"
#include "app/QuitOnSignal.h"
#include "app/UiLanguage.h"
#include "app/Version.h"
#include "app/frmSorvane.h"
#include "platform/FileNameBytes.h"
#include "platform/MsgBoxRequest.h"
#include "surface/FontSubstitutions.h"
#include "surface/Printers.h"
#include "surface/SystemPrinters.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace {

const char ProgramName[] = "monthly-calendar";

bool isSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

bool hasDisplay()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

void writeLine(std::FILE *stream, const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

void writeError(const QString &line)
{
    writeLine(stderr, QStringLiteral("%1: %2").arg(QLatin1String(ProgramName), line));
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileNameBytes::decode(argv[i]));
    return arguments;
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Help, version and usage errors need no display and no fonts. The
// arguments are read again once the user's language is loaded, so that the
// usage error is worded in it.
int answerWithoutPrinting(int argc, char **argv, const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    const UiLanguage language(QLocale::system().uiLanguages(), UiLanguage::folder());
    const CommandLineOptions options = parseCommandLine(arguments);
    switch (options.action) {
    case CommandLineOptions::Action::ShowHelp:
        std::fputs(commandLineHelp(options.helpAll).toLocal8Bit().constData(), stdout);
        return int(ExitStatus::Printed);
    case CommandLineOptions::Action::ShowVersion:
        writeLine(stdout, QStringLiteral("%1 %2").arg(QLatin1String(ProgramName), QLatin1String(MONTHLYCALENDAR_VERSION)));
        return int(ExitStatus::Printed);
    default:
        writeError(options.usageError);
        writeLine(stderr, QCoreApplication::translate("main", "Try '%1 --help' for more information.")
                              .arg(QLatin1String(ProgramName)));
        return int(ExitStatus::BadUsage);
    }
}

int printWithoutWindow(int argc, char **argv, const CommandLineOptions &options)
{
    // Printing needs fonts, not a screen.
    if (!hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    installMessageFilter();
    QGuiApplication app(argc, argv);
    const UiLanguage language(QLocale::system().uiLanguages(), UiLanguage::folder());
    QGuiApplication::setApplicationName(applicationTitle());
    installFontSubstitutions();

    const CommandLineContext context{
        [] { return SystemPrinters::list(documentsFolder()); },
        [](const QString &line) { writeLine(stdout, line); },
        writeError,
        QDate::currentDate(),
        QLocale(),
    };
    if (options.action == CommandLineOptions::Action::ListPrinters)
        return int(CommandLinePrint::listPrinters(context));
    return int(CommandLinePrint(options, context).run());
}

// Whether Qt's -platform option names where the window goes.
bool platformNamed(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument == "-platform" || argument.startsWith("-platform="))
            return true;
    }
    return false;
}

int openWindow(int argc, char **argv, const CommandLineOptions &options)
{
    if (!hasDisplay() && !isSet("QT_QPA_PLATFORM") && !platformNamed(argc, argv)) {
        QCoreApplication app(argc, argv);
        const UiLanguage language(QLocale::system().uiLanguages(), UiLanguage::folder());
        writeError(QCoreApplication::translate("main", "no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                                                       "print with --print, or run the window under Xvfb, e.g. "
                                                       "xvfb-run -a %1")
                       .arg(QLatin1String(ProgramName)));
        return int(ExitStatus::BadUsage);
    }
    installMessageFilter();
    QApplication app(argc, argv);
    const UiLanguage language(QLocale::system().uiLanguages(), UiLanguage::folder());
    if (language.rightToLeft())
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MONTHLYCALENDAR_VERSION));
    // Wayland matches the window to its menu entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(MONTHLYCALENDAR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/monthly-calendar.svg")));
    installFontSubstitutions();

    Printers printers = SystemPrinters::listWhenNeeded(documentsFolder());

    frmSorvane window(printers);
    if (options.weekStart) {
        CalendarPage page = window.page();
        page.weekStart = *options.weekStart;
        window.setPage(page);
    }
    // The page of the last run, kept again whichever way this one ends.
    PageKeeper keeper(window, printers, PageSettings());
    keeper.restore();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &keeper, &PageKeeper::store);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &keeper, &PageKeeper::store);
    const QuitOnSignal quitOnTerminate;
    FirstPrintWarmUp warmUp(window);
    window.centralWidget()->installEventFilter(&warmUp);
    window.show();
    window.openFiles(options.controlFiles);
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLineOptions options = parseCommandLine(arguments);
    switch (options.action) {
    case CommandLineOptions::Action::OpenWindow:
        return openWindow(argc, argv, options);
    case CommandLineOptions::Action::Print:
    case CommandLineOptions::Action::ListPrinters:
        return printWithoutWindow(argc, argv, options);
    default:
        return answerWithoutPrinting(argc, argv, arguments);
    }
}
