// SPDX-License-Identifier: MIT
#include "drawing/PlaceText.h"

#include "drawing/WordBreak.h"
#include "page/DayNotes.h"
#include "surface/PrintSurface.h"

#include <QList>
#include <QString>
#include <algorithm>

namespace {

constexpr float NoteFontSize = 8;
// A word that can only be broken between grapheme clusters takes no more
// lines than this: the day's other notes keep theirs.
constexpr int CutShortLines = 2;
constexpr QChar Blank = u' ';
constexpr QChar Tab = u'\t';
constexpr QStringView Ellipsis = u"\u2026";
// Longer candidates are first measured by their beginnings, the shorter
// first: fonts of other scripts are slow to measure.
constexpr qsizetype Beginnings[] = {16, 1024};
// In lines of the font: more than a cut at the end of a beginning can change.
constexpr float FarBeyond = 4;

// A tab inside a word is part of it and shows as one blank: it jumps to no
// tab stop, and a reader copying the page gets a plain blank.
void appendShown(QString &text, QStringView word)
{
    const qsizetype from = text.size();
    text += word;
    std::replace(text.begin() + from, text.end(), Tab, Blank);
}

float shownWidth(const PrintSurface &surface, const QString &lead, QStringView piece, QStringView tail = {})
{
    QString candidate = lead;
    appendShown(candidate, piece);
    candidate += tail;
    return surface.TextWidth(candidate);
}

// Whether line followed directly by word measures more than Tw. A giant word
// is not copied to be measured: when its beginning is already wider than Tw
// by far, so is the whole.
bool widerThan(const PrintSurface &surface, const QString &line, QStringView word, qint16 Tw)
{
    for (const qsizetype length : Beginnings) {
        if (line.size() + word.size() <= length)
            break;
        const QString beginning = line.left(length);
        const QStringView rest = word.first(std::min(word.size(), length - beginning.size()));
        if (shownWidth(surface, beginning, rest) > Tw + FarBeyond * surface.lineHeight())
            return true;
    }
    return shownWidth(surface, line, word) > Tw;
}

// The lines of one block as its words fill them.
class NoteLines
{
public:
    NoteLines(PrintSurface &surface, float Tx, qint16 Tw)
        : m_surface(surface)
        , m_x(Tx)
        , m_width(Tw)
    {
    }

    bool isFull() const { return m_lineNumber > CellLines; }

    void addWord(QStringView word)
    {
        if (word.contains(LineBreakMark)) {
            newLine();
        } else if (m_lineClosed || widerThan(m_surface, m_line, word, m_width)) {
            addWideWord(word);
        } else {
            m_line += Blank;
            appendShown(m_line, word);
        }
    }

    void finish()
    {
        if (!isFull() && !m_line.isEmpty())
            m_surface.Print(m_line, PrintSurface::LineEnd::NewLine);
    }

private:
    void printLine(const QString &text)
    {
        m_surface.Print(text, PrintSurface::LineEnd::NewLine);
        m_surface.setCurrentX(m_x);
        ++m_lineNumber;
    }

    void newLine()
    {
        printLine(m_line);
        m_line.clear();
        m_lineClosed = false;
    }

    void addWideWord(QStringView word);
    QList<qsizetype> lineEnds(QString lead, QStringView word, int lines) const;
    qsizetype printPieces(QString &lead, QStringView word, const QList<qsizetype> &ends);
    void closeWithEllipsis(QStringView rest);

    PrintSurface &m_surface;
    float m_x;
    qint16 m_width;
    QString m_line;
    int m_lineNumber = 1;
    // The line ends in an ellipsis: the next word starts the next line.
    bool m_lineClosed = false;
};

void NoteLines::addWideWord(QStringView word)
{
    // An empty line takes the word after its blank; a full one goes out.
    QString lead;
    if (m_line.isEmpty())
        lead = Blank;
    else
        newLine();
    if (isFull())
        return;
    const int linesLeft = CellLines - m_lineNumber + 1;
    QList<qsizetype> ends = lineEnds(lead, word, linesLeft);
    // Cut short only when no line of the block would be broken at a
    // line-break opportunity: URLs and ideographs wrap over all they need.
    const int kept = std::min(CutShortLines, linesLeft);
    const qsizetype reach = ends.size() == linesLeft ? ends.back() : word.size();
    const bool cutShort = ends.size() >= kept && !hasLineBreak(word, reach);
    if (cutShort)
        ends.resize(kept - 1);
    const QStringView rest = word.sliced(printPieces(lead, word, ends));
    // Past the seventh line the rest of the word is dropped, not copied.
    if (isFull())
        return;
    m_line = lead;
    if (cutShort)
        closeWithEllipsis(rest);
    else
        appendShown(m_line, rest);
}

// Prints the pieces of word that end at ends, the first after lead, and
// gives where the rest of word starts.
qsizetype NoteLines::printPieces(QString &lead, QStringView word, const QList<qsizetype> &ends)
{
    qsizetype start = 0;
    for (const qsizetype end : ends) {
        appendShown(lead, word.sliced(start, end - start));
        printLine(lead);
        lead.clear();
        start = end;
    }
    return start;
}

// The line takes as much of rest as fits before an ellipsis, and no more.
void NoteLines::closeWithEllipsis(QStringView rest)
{
    const QString lead = m_line;
    const auto measure = [&](QStringView piece) { return shownWidth(m_surface, lead, piece, Ellipsis); };
    appendShown(m_line, rest.first(wordBreak(rest, m_width, measure)));
    m_line += Ellipsis;
    m_lineClosed = true;
}

// Where the lines of a word wider than one end, for at most lines lines; the
// line that takes the rest of the word has no end here.
QList<qsizetype> NoteLines::lineEnds(QString lead, QStringView word, int lines) const
{
    const auto measure = [&](QStringView piece) { return shownWidth(m_surface, lead, piece); };
    QList<qsizetype> ends;
    for (qsizetype start = 0; ends.size() < lines;) {
        const QStringView rest = word.sliced(start);
        const qsizetype cut = wordBreak(rest, m_width, measure);
        if (cut == rest.size())
            break;
        start += cut;
        ends.append(start);
        lead.clear();
    }
    return ends;
}

} // namespace

QStringView placeTextBlock(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QStringView Tt)
{
    surface.setCurrentX(Tx);
    surface.setCurrentY(Ty);
    surface.setFontName(Tf);
    surface.setFontSize(NoteFontSize);
    NoteLines lines(surface, Tx, Tw);

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
        lines.addWord(word);
        if (lines.isFull())
            break;
    }
    lines.finish();
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
