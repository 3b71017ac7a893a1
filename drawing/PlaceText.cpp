#include "drawing/PlaceText.h"

#include "surface/PrintSurface.h"

#include <QString>

namespace {

constexpr float NoteFontSize = 8;
constexpr int MaxLines = 7;
constexpr QChar Blank = u' ';
constexpr QChar LineBreakMark = u'^';

void printLine(PrintSurface &surface, const QString &line, float Tx)
{
    surface.Print(line, PrintSurface::LineEnd::NewLine);
    surface.setCurrentX(Tx);
}

} // namespace

void PlaceText(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QString &Tt)
{
    QString line;
    surface.setCurrentX(Tx);
    surface.setCurrentY(Ty);
    surface.setFontName(Tf);
    surface.setFontSize(NoteFontSize);
    int lineNumber = 1;

    // The words are read in place: an entry may be megabytes long, and only
    // its first seven lines are ever taken.
    const QStringView text(Tt);
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == Blank)
        --end;
    qsizetype pos = 0;
    bool more = !text.isEmpty();
    while (more) {
        while (pos < end && text[pos] == Blank)
            ++pos;
        const qsizetype blank = text.indexOf(Blank, pos);
        QStringView word;
        if (blank < 0 || blank >= end) {
            word = text.mid(pos, end - pos);
            pos = end;
            more = false;
        } else {
            word = text.mid(pos, blank - pos);
            pos = blank + 1;
        }

        if (word.contains(LineBreakMark)) {
            printLine(surface, line, Tx);
            line.clear();
            ++lineNumber;
        } else if (surface.TextWidth(line + word.toString()) > Tw) {
            printLine(surface, line, Tx);
            line = word.toString();
            ++lineNumber;
        } else {
            line += Blank;
            line += word;
        }
        if (lineNumber > MaxLines)
            break;
    }
    if (lineNumber <= MaxLines && !line.isEmpty())
        surface.Print(line, PrintSurface::LineEnd::NewLine);

    // Cutting the front first copies only the rest when Tt is shared, and
    // nothing at all when it is not.
    if (more) {
        Tt.remove(0, pos);
        Tt.truncate(end - pos);
    } else {
        Tt.clear();
    }
}
