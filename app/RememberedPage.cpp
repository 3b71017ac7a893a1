// SPDX-License-Identifier: MIT
#include "app/RememberedPage.h"

#include "surface/OutputDevice.h"
#include "surface/Printers.h"

#include <QFileInfo>

CalendarPage RememberedPage::textsOn(CalendarPage shown) const
{
    shown.txtYear = page.txtYear;
    shown.txtMonth = page.txtMonth;
    shown.txtCopies = page.txtCopies;
    shown.txtHeader = page.txtHeader;
    shown.txtMessage = page.txtMessage;
    shown.fonts = page.fonts;
    return shown;
}

void RememberedPage::takeDevice(const Printers &printers)
{
    const OutputDevice &device = printers.current();
    deviceName = device.DeviceName();
    paper = device.pageLayout().pageSize();
}

bool RememberedPage::restoreDevice(Printers &printers) const
{
    if (deviceName.isEmpty())
        return true;
    for (int i = 0; i < printers.count(); ++i) {
        if (printers.item(i).DeviceName() != deviceName)
            continue;
        if (printers.currentIndex() != i)
            printers.setCurrent(i);
        OutputDevice &device = printers.current();
        // The device's own paper stays its own: it follows the system's default.
        if (paper && !paper->isEquivalentTo(device.pageLayout().pageSize()) && device.paperSizes().contains(*paper))
            device.setPaper(*paper);
        return true;
    }
    return false;
}

QStringList RememberedPage::calendarFilesToOpen() const
{
    QStringList files = calendarFiles;
    files.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); });
    return files;
}

QString RememberedPage::pictureToOpen() const
{
    return QFileInfo(picturePath).isFile() ? picturePath : QString();
}
