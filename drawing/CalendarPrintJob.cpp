#include "drawing/CalendarPrintJob.h"

#include "drawing/PlaceGraphic.h"
#include "drawing/PlaceMonth.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "surface/PrintSurface.h"

namespace {

constexpr qint16 LeftMargin = 220;
constexpr float HeaderLimit = 8500 - LeftMargin;
constexpr float HeaderSize = 24;
constexpr float SmallestHeaderSize = 2;
constexpr float CentringWidth = 11160;
constexpr int ColumnPitch = 1583;

void printHeader(PrintSurface &surface, const CalendarPageInput &input)
{
    surface.setCurrentX(LeftMargin);
    surface.setCurrentY(500);
    surface.setFontSize(HeaderSize);
    surface.setFontName(input.strHdrFont);
    while (surface.TextWidth(input.txtHeader) > HeaderLimit && surface.FontSize() - 2 >= SmallestHeaderSize)
        surface.setFontSize(surface.FontSize() - 2);
    surface.Print(input.txtHeader);
}

void printLines(PrintSurface &surface, const CalendarPageInput &input)
{
    surface.setFontName(input.strAdrFont);
    surface.setFontBold(false);
    surface.setFontSize(12);
    surface.setCurrentY(surface.CurrentY() + 150);
    for (int i = 0; i < 5; ++i) {
        surface.setCurrentX(1000);
        surface.Print(input.txtMessage[i]);
    }
}

void printCentred(PrintSurface &surface, const QString &text, float base)
{
    surface.setCurrentX(base + (CentringWidth - surface.TextWidth(text)) / 2);
    surface.Print(text);
}

void printMessage(PrintSurface &surface, const CalendarPageInput &input)
{
    surface.setFontName(input.strMsgFont);
    surface.setFontBold(true);
    surface.setFontSize(18);
    surface.setCurrentY(4400 - 1500);
    printCentred(surface, input.txtMessage[5], LeftMargin);
}

void printTitle(PrintSurface &surface, const CalendarPageInput &input)
{
    surface.setCurrentY(3550);
    surface.setFontBold(false);
    surface.setFontSize(28);
    surface.setFontName(input.strMonthFont);
    const QString title = MonthName(CInt(Val(input.txtMonth)), input.locale) + u' ' + input.txtYear;
    printCentred(surface, title, 300);
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

// Named after the month the grid shows, so the PDF device can name its file.
QString documentName(qint16 Yr, qint16 Mt, const QLocale &locale)
{
    const QDate first = monthDates(Yr, Mt, locale).first;
    return QStringLiteral("Calendar %1-%2").arg(first.year(), 4, 10, QChar(u'0')).arg(first.month(), 2, 10, QChar(u'0'));
}

void composeAndPrint(PrintSurface &surface, const CalendarPageInput &input)
{
    const double year = Val(input.txtYear);
    surface.setCopies(CInt(Val(input.txtCopies)));
    if (surface.DeviceName().contains(QStringLiteral("HP Laser")))
        surface.setPaperSource(1);

    printHeader(surface, input);
    printLines(surface, input);
    if (input.binSelPic)
        PlaceGraphic(surface, input.picture, input.holderSize, 8500, 300);
    printMessage(surface, input);
    printTitle(surface, input);
    drawFrames(surface);

    const qint16 Yr = CInt(year);
    const qint16 Mt = CInt(Val(input.txtMonth));
    PlaceMonth(surface, input.strNotes, Yr, Mt, 600, 4550, input.strCalFont, LeftMargin, input.locale);
    surface.setDocumentName(documentName(Yr, Mt, input.locale));
    surface.EndDoc();
}

} // namespace

void printCalendar(PrintSurface &surface, const CalendarPageInput &input)
{
    try {
        composeAndPrint(surface, input);
    } catch (...) {
        surface.KillDoc();
        throw;
    }
}
