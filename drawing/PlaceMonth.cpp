// SPDX-License-Identifier: MIT
#include "drawing/PlaceMonth.h"

#include "drawing/PlaceText.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "surface/PrintSurface.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace {

constexpr int RuleCount = 6;
constexpr int RuleLength = 11080;
constexpr int RowPitch = 1680;
constexpr qint16 RuleWidth = 12;
constexpr int HeadPitch = 1584;
constexpr int DayPitch = 1580;
constexpr float GridFontSize = 12;
constexpr qint16 NoteWidth = 1400;
// Widest head that stays clear of its column's left rule.
constexpr float HeadRoom = 1400;

void drawRules(PrintSurface &surface, qint16 My, qint16 bLeft)
{
    surface.setDrawWidth(RuleWidth);
    for (int i = 0; i < RuleCount; ++i) {
        const qint16 x = addInt16(bLeft, 80);
        const qint16 y = addInt16(addInt16(My, 300), mulInt16(RowPitch, i));
        surface.Line(x, y, RuleLength, 0);
    }
}

// Column 0 shows firstDay; Qt counts Monday = 1 to Sunday = 7.
int weekdayOfColumn(int column, Qt::DayOfWeek firstDay)
{
    return (firstDay - 1 + column) % 7 + 1;
}

int columnOf(QDate date, Qt::DayOfWeek firstDay)
{
    return (date.dayOfWeek() - firstDay + 7) % 7;
}

// The locale's short names, or its narrow ones where a short name is too
// wide for the column in the surface's font.
QStringList headsOf(const PrintSurface &surface, const QLocale &locale, Qt::DayOfWeek firstDay)
{
    QStringList heads;
    for (int k = 0; k < 7; ++k)
        heads.append(locale.standaloneDayName(weekdayOfColumn(k, firstDay), QLocale::ShortFormat));
    const bool fit = std::all_of(heads.cbegin(), heads.cend(),
                                 [&](const QString &head) { return surface.TextWidth(head) <= HeadRoom; });
    if (fit)
        return heads;
    for (int k = 0; k < 7; ++k)
        heads[k] = locale.standaloneDayName(weekdayOfColumn(k, firstDay), QLocale::NarrowFormat);
    return heads;
}

// Heads are right-aligned on their column's edge.
void printHeads(PrintSurface &surface, qint16 My, const QString &cFont, qint16 bLeft, const QLocale &locale,
                Qt::DayOfWeek firstDay)
{
    surface.setFontName(cFont);
    surface.setFontSize(GridFontSize);
    surface.setCurrentY(addInt16(My, -20));
    const QStringList heads = headsOf(surface, locale, firstDay);
    for (int k = 0; k < 7; ++k) {
        const qint16 rightEdge = addInt16(addInt16(bLeft, 1580), mulInt16(HeadPitch, k));
        surface.setCurrentX(rightEdge - surface.TextWidth(heads[k]));
        surface.Print(heads[k], PrintSurface::LineEnd::Continue);
    }
}

} // namespace

MonthDates monthDates(qint16 Yr, qint16 Mt)
{
    const QDate first = firstDayOfMonth(Yr, Mt);
    return {first, first.daysInMonth()};
}

void PlaceMonth(PrintSurface &surface, const DayNotes &strNotes, qint16 Yr, qint16 Mt, qint16 Mx, qint16 My,
                const QString &cFont, qint16 bLeft, const QLocale &locale, Qt::DayOfWeek firstDay)
{
    const MonthDates month = monthDates(Yr, Mt);
    drawRules(surface, My, bLeft);
    printHeads(surface, My, cFont, bLeft, locale, firstDay);

    const QString noteFont = QStringLiteral("Arial");
    qint16 offset = 1030;
    surface.setCurrentY(addInt16(My, 380));
    int column = columnOf(month.first, firstDay);
    for (int d = 1; d <= month.days; ++d) {
        surface.setCurrentX(addInt16(addInt16(offset, Mx), mulInt16(DayPitch, column)));
        surface.setFontName(cFont);
        surface.setFontSize(GridFontSize);
        surface.Print(QString::number(d), PrintSurface::LineEnd::Continue);
        const qint16 rowY = CInt(surface.CurrentY());
        // The rest of a long entry is dropped: it is not copied either.
        placeTextBlock(surface, surface.CurrentX() - 1350, addInt16(rowY, 200), NoteWidth, noteFont, strNotes[d - 1]);
        surface.setCurrentY(rowY);
        // Two-digit numbers start further left to stay inside the cell.
        if (d == 9)
            offset = 950;
        column = (column + 1) % 7;
        if (column == 0)
            surface.setCurrentY(surface.CurrentY() + RowPitch);
    }
}
