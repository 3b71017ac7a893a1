#pragma once

#include "platform/DayNotes.h"
#include "surface/Picture.h"

#include <QLocale>
#include <QSizeF>
#include <QString>
#include <array>

class PrintSurface;

// Everything one calendar page is composed from, as the main window holds it.
// strNotes is a copy: its texts are shared, not duplicated.
struct CalendarPageInput
{
    QString txtYear;
    QString txtMonth;
    QString txtCopies;
    QString txtHeader;
    // 0 to 4: the five-line block; 5: the centred message line.
    std::array<QString, 6> txtMessage;

    QString strMonthFont = QStringLiteral("Arial");
    QString strHdrFont = QStringLiteral("Arial");
    QString strAdrFont = QStringLiteral("Times");
    QString strMsgFont = QStringLiteral("Arial");
    QString strCalFont = QStringLiteral("Arial");

    bool binSelPic = false;
    Picture picture;
    // The holder's width and height in twips.
    QSizeF holderSize;

    DayNotes strNotes;
    QLocale locale;
};

// Composes the calendar page on the surface and ends the document, which the
// current device prints in the typed number of copies. A RuntimeError stops
// the job at the failing step; the unfinished page is discarded before the
// error is passed on.
void printCalendar(PrintSurface &surface, const CalendarPageInput &input);
