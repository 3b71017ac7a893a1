// SPDX-License-Identifier: MIT
#include "drawing/WordBreak.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

constexpr qsizetype FirstWindow = 16;
// Characters after a cut that decide whether it is a break (combining marks,
// joiners); the boundaries of a beginning are trusted this far from its end.
constexpr qsizetype Lookahead = 32;
constexpr QChar Tab = u'\t';

// Boundaries of the given kind strictly inside text[0, limit). A tab is part
// of its word: no line breaks after it.
QList<qsizetype> boundaries(QStringView text, QTextBoundaryFinder::BoundaryType type, qsizetype limit)
{
    QTextBoundaryFinder finder(type, text.data(), text.size());
    QList<qsizetype> positions;
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < limit; at = finder.toNextBoundary()) {
        if (type != QTextBoundaryFinder::Line || text[at - 1] != Tab)
            positions.append(at);
    }
    return positions;
}

QList<qsizetype> codePointBoundaries(QStringView text, qsizetype limit)
{
    QList<qsizetype> positions;
    for (qsizetype at = 1; at < limit; ++at) {
        if (!(text[at].isLowSurrogate() && text[at - 1].isHighSurrogate()))
            positions.append(at);
    }
    return positions;
}

// The last position whose beginning fits, or 0. The search starts where the
// widths seen so far put the cut and walks from there: most lines take two
// measurements. Widths need not grow with the beginning (shaping), so a
// position is taken only once measured.
qsizetype lastFitting(const QList<qsizetype> &positions, qsizetype guess, const std::function<bool(qsizetype)> &fits)
{
    if (positions.isEmpty())
        return 0;
    qsizetype i = std::lower_bound(positions.cbegin(), positions.cend(), guess) - positions.cbegin();
    i = std::min(i, positions.size() - 1);
    if (fits(positions[i])) {
        while (i + 1 < positions.size() && fits(positions[i + 1]))
            ++i;
        return positions[i];
    }
    for (--i; i >= 0; --i) {
        if (fits(positions[i]))
            return positions[i];
    }
    return 0;
}

} // namespace

qsizetype wordBreak(QStringView word, double available, const std::function<double(QStringView)> &measure)
{
    // The shortest beginning that is too wide: the cut lies inside it.
    qsizetype window = std::min(word.size(), FirstWindow);
    double width = measure(word.first(window));
    while (width <= available && window < word.size()) {
        window = std::min(word.size(), window * 2);
        width = measure(word.first(window));
    }
    if (width <= available)
        return window;
    const QStringView context = word.first(std::min(word.size(), window + Lookahead));
    const auto guess = qsizetype(window * available / width);
    const auto fits = [&](qsizetype at) { return measure(word.first(at)) <= available; };

    for (const QTextBoundaryFinder::BoundaryType type : {QTextBoundaryFinder::Line, QTextBoundaryFinder::Grapheme}) {
        if (const qsizetype at = lastFitting(boundaries(context, type, window), guess, fits))
            return at;
    }
    if (const qsizetype at = lastFitting(codePointBoundaries(context, window), guess, fits))
        return at;
    const QList<qsizetype> graphemes = boundaries(context, QTextBoundaryFinder::Grapheme, context.size() + 1);
    return graphemes.isEmpty() ? context.size() : graphemes.front();
}

bool hasLineBreak(QStringView word, qsizetype limit)
{
    const QStringView context = word.first(std::min(word.size(), limit + Lookahead));
    return !boundaries(context, QTextBoundaryFinder::Line, limit).isEmpty();
}
