// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The real program run as a process, as a script on a machine without a
// display runs it: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, home and
// the CUPS server of the caller's choosing.
struct ProgramRun
{
    int exitCode = -1;
    QString standardOutput;
    QString standardError;

    static QProcessEnvironment environment(const QString &home, const QString &cupsServer)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LPDEST", "PRINTER"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
        // "Save as PDF" on the same paper whatever the machine's settings.
        environment.insert(QStringLiteral("PAPERSIZE"), QStringLiteral("a4"));
        // The messages in the program's own English, whatever the user's language.
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        return environment;
    }

    static ProgramRun run(const QStringList &arguments, const QString &workingDirectory,
                          const QProcessEnvironment &environment)
    {
        QProcess process;
        process.setProgram(QStringLiteral(MONTHLY_CALENDAR_PROGRAM));
        process.setArguments(arguments);
        process.setWorkingDirectory(workingDirectory);
        process.setProcessEnvironment(environment);
        process.start();
        ProgramRun result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
};
