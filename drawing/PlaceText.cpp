// SPDX-License-Identifier: MIT
#include "drawing/PlaceText.h"

#include "drawing/WordBreak.h"
#include "surface/PrintSurface.h"

#include <QString>
#include <algorithm>

namespace {

constexpr float NoteFontSize = 8;
constexpr int MaxLines = 7;
constexpr QChar Blank = u' ';
constexpr QChar LineBreakMark = u'^';
// Longer candidates are first measured by their beginnings, the shorter
// first: fonts of other scripts are slow to measure.
constexpr qsizetype Beginnings[] = {16, 1024};
// In lines of the font: more than a cut at the end of a beginning can change.
constexpr float FarBeyond = 4;

void printLine(PrintSurface &surface, const QString &line, float Tx)
{
    surface.Print(line, PrintSurface::LineEnd::NewLine);
    surface.setCurrentX(Tx);
}

// Whether line followed directly by word measures more than Tw. A giant word
// is not copied to be measured: when its beginning is already wider than Tw
// by far, so is the whole.
bool widerThan(const PrintSurface &surface, const QString &line, QStringView word, qint16 Tw)
{
    for (const qsizetype length : Beginnings) {
        if (line.size() + word.size() <= length)
            break;
        QString beginning = line.left(length);
        beginning += word.first(std::min(word.size(), length - beginning.size()));
        if (surface.TextWidth(beginning) > Tw + FarBeyond * surface.lineHeight())
            return true;
    }
    QString candidate = line;
    candidate += word;
    return surface.TextWidth(candidate) > Tw;
}

} // namespace

QStringView placeTextBlock(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QStringView Tt)
{
    QString line;
    surface.setCurrentX(Tx);
    surface.setCurrentY(Ty);
    surface.setFontName(Tf);
    surface.setFontSize(NoteFontSize);
    int lineNumber = 1;

    // The words are read in place: an entry may be megabytes long, and only
    // its first seven lines are ever taken.
    qsizetype end = Tt.size();
    while (end > 0 && Tt[end - 1] == Blank)
        --end;
    qsizetype pos = 0;
    bool more = !Tt.isEmpty();
    while (more) {
        while (pos < end && Tt[pos] == Blank)
            ++pos;
        const qsizetype blank = Tt.indexOf(Blank, pos);
        QStringView word;
        if (blank < 0 || blank >= end) {
            word = Tt.mid(pos, end - pos);
            pos = end;
            more = false;
        } else {
            word = Tt.mid(pos, blank - pos);
            pos = blank + 1;
        }

        if (word.contains(LineBreakMark)) {
            printLine(surface, line, Tx);
            line.clear();
            ++lineNumber;
        } else if (widerThan(surface, line, word, Tw)) {
            // An empty line takes the word after its blank; a full one goes out.
            QString lead;
            if (line.isEmpty()) {
                lead = Blank;
            } else {
                printLine(surface, line, Tx);
                ++lineNumber;
            }
            // A word wider than a whole line is broken inside the cell.
            const auto measure = [&](QStringView piece) {
                QString candidate = lead;
                candidate += piece;
                return surface.TextWidth(candidate);
            };
            while (lineNumber <= MaxLines) {
                const qsizetype cut = wordBreak(word, Tw, measure);
                if (cut == word.size())
                    break;
                lead += word.first(cut);
                printLine(surface, lead, Tx);
                ++lineNumber;
                word = word.sliced(cut);
                lead.clear();
            }
            // Past the seventh line the rest of the word is dropped, not copied.
            if (lineNumber > MaxLines)
                break;
            line = lead;
            line += word;
        } else {
            line += Blank;
            line += word;
        }
        if (lineNumber > MaxLines)
            break;
    }
    if (lineNumber <= MaxLines && !line.isEmpty())
        surface.Print(line, PrintSurface::LineEnd::NewLine);
    return more ? Tt.mid(pos, end - pos) : QStringView();
}

void PlaceText(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QString &Tt)
{
    const QStringView rest = placeTextBlock(surface, Tx, Ty, Tw, Tf, Tt);
    if (rest.isNull()) {
        Tt.clear();
        return;
    }
    // Cutting the front first copies only the rest when Tt is shared, and
    // nothing at all when it is not.
    Tt.remove(0, rest.data() - Tt.constData());
    Tt.truncate(rest.size());
}
