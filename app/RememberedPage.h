// SPDX-License-Identifier: MIT
#pragma once

#include "page/CalendarPage.h"

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>

class Printers;

// What the program keeps of the window from one run to the next: the page's
// texts and fonts, where its picture, calendar files and control file came
// from, the recent control files, and the device with its paper. Notes are
// not kept: they come from the control file, which can be read again.
struct RememberedPage
{
    CalendarPage page;
    QString picturePath;
    QStringList calendarFiles;
    QString controlFile;
    QStringList recentControlFiles;
    QString deviceName;
    std::optional<QPageSize> paper;

    // page with the remembered texts and fonts.
    CalendarPage textsOn(CalendarPage page) const;
    // Takes the current device and its paper.
    void takeDevice(const Printers &printers);
    // Makes the remembered device current with its paper; false when no
    // device of that name is there any more.
    bool restoreDevice(Printers &printers) const;
    // The calendar files still there, to be opened again.
    QStringList calendarFilesToOpen() const;
    // The picture's path while it is there, else nothing.
    QString pictureToOpen() const;
};
