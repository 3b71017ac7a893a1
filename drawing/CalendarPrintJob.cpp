// SPDX-License-Identifier: MIT
#include "drawing/CalendarPrintJob.h"

#include "drawing/PlaceGraphic.h"
#include "drawing/PlaceMonth.h"
#include "page/CalendarPage.h"
#include "page/PictureFrame.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "surface/PrintSurface.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace {

constexpr qint16 LeftMargin = 220;
constexpr float HeaderLimit = 8500 - LeftMargin;
constexpr float HeaderSize = 24;
constexpr float SmallestHeaderSize = 2;
constexpr float CentringWidth = 11160;
constexpr int ColumnPitch = 1583;

void printHeader(PrintSurface &surface, const CalendarPage &page)
{
    surface.setCurrentX(LeftMargin);
    surface.setCurrentY(500);
    surface.setFontSize(HeaderSize);
    surface.setFontName(page.fonts.strHdrFont);
    while (surface.TextWidth(page.txtHeader) > HeaderLimit && surface.FontSize() - 2 >= SmallestHeaderSize)
        surface.setFontSize(surface.FontSize() - 2);
    surface.Print(page.txtHeader);
}

void printLines(PrintSurface &surface, const CalendarPage &page)
{
    surface.setFontName(page.fonts.strAdrFont);
    surface.setFontBold(false);
    surface.setFontSize(12);
    surface.setCurrentY(surface.CurrentY() + 150);
    for (int i = 0; i < CalendarPage::LineCount; ++i) {
        surface.setCurrentX(1000);
        surface.Print(page.txtMessage[i]);
    }
}

void printCentred(PrintSurface &surface, const QString &text, float base)
{
    surface.setCurrentX(base + (CentringWidth - surface.TextWidth(text)) / 2);
    surface.Print(text);
}

void printMessage(PrintSurface &surface, const CalendarPage &page)
{
    surface.setFontName(page.fonts.strMsgFont);
    surface.setFontBold(true);
    surface.setFontSize(18);
    surface.setCurrentY(4400 - 1500);
    printCentred(surface, page.txtMessage[CalendarPage::MessageLine], LeftMargin);
}

void printTitle(PrintSurface &surface, const CalendarPage &page, const QLocale &locale)
{
    surface.setCurrentY(3550);
    surface.setFontBold(false);
    surface.setFontSize(28);
    surface.setFontName(page.fonts.strMonthFont);
    printCentred(surface, monthTitle(page, locale), 300);
}

void drawFrames(PrintSurface &surface)
{
    surface.setDrawWidth(4);
    surface.LineBox(220, 4400, 11240, 10620);
    surface.setDrawWidth(6);
    surface.LineBox(260, 4440, 11160, 10540);
    surface.setDrawWidth(8);
    surface.LineBox(300, 4480, 11080, 10460);
    surface.setDrawWidth(12);
    for (int i = 1; i <= 6; ++i)
        surface.Line(300 + ColumnPitch * i, 4480, 0, 10460);
}

// The control file's notes, then the attached events of the month printed.
DayNotes notesOfMonth(const CalendarPage &page, qint16 Yr, qint16 Mt, const QLocale &locale)
{
    DayNotes notes = page.strNotes;
    if (page.events) {
        const QDate first = monthDates(Yr, Mt).first;
        page.events->addNotes(notes, first.year(), first.month(), locale);
    }
    return notes;
}

// The month the grid of a page shows, as YYYY-MM.
QString monthOfGrid(const CalendarPage &page)
{
    const QDate first = monthDates(CInt(Val(page.txtYear)), CInt(Val(page.txtMonth))).first;
    return QStringLiteral("%1-%2").arg(first.year(), 4, 10, QChar(u'0')).arg(first.month(), 2, 10, QChar(u'0'));
}

// A queue's name cannot hold a blank: its description, make and model tell
// what printer it is.
bool isHpLaser(const PrintSurface &surface)
{
    const QString hpLaser = QStringLiteral("HP Laser");
    if (surface.DeviceName().contains(hpLaser))
        return true;
    const QStringList descriptions = surface.deviceDescriptions();
    return std::any_of(descriptions.cbegin(), descriptions.cend(),
                       [&](const QString &text) { return text.contains(hpLaser); });
}

void composeAndPrint(PrintSurface &surface, const CalendarPage &page, const QLocale &locale)
{
    const double year = Val(page.txtYear);
    surface.setCopies(CInt(Val(page.txtCopies)));
    if (isHpLaser(surface))
        surface.setPaperSource(1);

    printHeader(surface, page);
    printLines(surface, page);
    if (page.binSelPic)
        PlaceGraphic(surface, page.picture, page.picture.sizeTwips(), PictureFrame::Left, PictureFrame::Top);
    printMessage(surface, page);
    printTitle(surface, page, locale);
    drawFrames(surface);

    const qint16 Yr = CInt(year);
    const qint16 Mt = CInt(Val(page.txtMonth));
    PlaceMonth(surface, notesOfMonth(page, Yr, Mt, locale), Yr, Mt, 600, 4550, page.fonts.strCalFont, LeftMargin,
               locale, firstDayOfWeek(page.weekStart, locale));
    surface.setDocumentName(documentName(page, page));
    surface.EndDoc();
}

} // namespace

QString documentName(const CalendarPage &first, const CalendarPage &last)
{
    const QString from = monthOfGrid(first);
    const QString to = monthOfGrid(last);
    return from == to ? QStringLiteral("Calendar ") + from : QStringLiteral("Calendar %1 to %2").arg(from, to);
}

QString monthTitle(const CalendarPage &page, const QLocale &locale)
{
    return MonthName(CInt(Val(page.txtMonth)), locale) + u' ' + page.txtYear;
}

void printCalendar(PrintSurface &surface, const CalendarPage &page, const QLocale &locale)
{
    try {
        composeAndPrint(surface, page, locale);
    } catch (...) {
        surface.KillDoc();
        throw;
    }
}
