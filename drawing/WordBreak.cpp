#include "drawing/WordBreak.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

constexpr qsizetype FirstWindow = 64;
// Characters after a cut that decide whether it is a break (combining marks,
// joiners); the boundaries of a beginning are trusted this far from its end.
constexpr qsizetype Lookahead = 32;

// Boundaries of the given kind strictly inside text[0, limit).
QList<qsizetype> boundaries(QStringView text, QTextBoundaryFinder::BoundaryType type, qsizetype limit)
{
    QTextBoundaryFinder finder(type, text.data(), text.size());
    QList<qsizetype> positions;
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < limit; at = finder.toNextBoundary())
        positions.append(at);
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

// The last position whose beginning fits, or 0. Widths grow with the
// beginning as a rule; shaping may break the rule, so the answer is checked.
qsizetype lastFitting(QStringView word, const QList<qsizetype> &positions, const std::function<bool(QStringView)> &fits)
{
    const auto firstTooWide = std::partition_point(positions.cbegin(), positions.cend(),
                                                   [&](qsizetype at) { return fits(word.first(at)); });
    for (auto it = firstTooWide; it != positions.cbegin();) {
        --it;
        if (fits(word.first(*it)))
            return *it;
    }
    return 0;
}

} // namespace

qsizetype wordBreak(QStringView word, const std::function<bool(QStringView)> &fits)
{
    // The shortest beginning that is too wide: the cut lies inside it.
    qsizetype window = std::min(word.size(), FirstWindow);
    while (window < word.size() && fits(word.first(window)))
        window = std::min(word.size(), window * 2);
    if (fits(word.first(window)))
        return window;
    const QStringView context = word.first(std::min(word.size(), window + Lookahead));

    for (const QTextBoundaryFinder::BoundaryType type : {QTextBoundaryFinder::Line, QTextBoundaryFinder::Grapheme}) {
        if (const qsizetype at = lastFitting(word, boundaries(context, type, window), fits))
            return at;
    }
    if (const qsizetype at = lastFitting(word, codePointBoundaries(context, window), fits))
        return at;
    const QList<qsizetype> graphemes = boundaries(context, QTextBoundaryFinder::Grapheme, context.size() + 1);
    return graphemes.isEmpty() ? context.size() : graphemes.front();
}
