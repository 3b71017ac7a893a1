// SPDX-License-Identifier: MIT
#include "surface/TextPrefix.h"

#include <QFontMetricsF>
#include <QString>

namespace {

constexpr qsizetype FirstPrefix = 256;
// What a cut can change is far less than the width of a few glyphs.
constexpr qreal CutMargin = 4;

enum class Strength { LeftToRight, RightToLeft, Control, Weak };

Strength strength(QChar::Direction direction)
{
    switch (direction) {
    case QChar::DirL:
        return Strength::LeftToRight;
    case QChar::DirR:
    case QChar::DirAL:
        return Strength::RightToLeft;
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return Strength::Control;
    default:
        return Strength::Weak;
    }
}

// The strength of the character at i, which moves past a surrogate pair.
Strength strengthAt(QStringView text, qsizetype &i)
{
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        ++i;
    }
    return strength(QChar::direction(c));
}

// The first strength in text[from, to) that is not weak.
Strength firstStrong(QStringView text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        const Strength found = strengthAt(text, i);
        if (found != Strength::Weak)
            return found;
    }
    return Strength::Weak;
}

bool holdsRightToLeft(QStringView text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        if (strengthAt(text, i) == Strength::RightToLeft)
            return true;
    }
    return false;
}

// The embeddings, overrides and isolates with their ends: U+202A to U+202E
// and U+2066 to U+2069.
bool holdsDirectionControl(QStringView text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text[i].unicode();
        if ((c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069))
            return true;
    }
    return false;
}

bool isRightToLeftLetter(QChar c)
{
    return strength(c.direction()) == Strength::RightToLeft;
}

// Measures growing parts of text taken from its start or its end, as
// prefixBeyond does.
std::optional<TextPrefix> partBeyond(const QFontMetricsF &metrics, const QString &text, qreal limit, bool fromEnd)
{
    for (qsizetype length = FirstPrefix; length < text.size(); length *= 2) {
        const QChar edge = fromEnd ? text[text.size() - length] : text[length - 1];
        if (fromEnd ? edge.isLowSurrogate() : edge.isHighSurrogate())
            ++length;
        if (length >= text.size())
            break;
        const qreal width = metrics.horizontalAdvance(fromEnd ? text.right(length) : text.left(length));
        if (width > limit + CutMargin * metrics.maxWidth())
            return TextPrefix{length, width};
    }
    return std::nullopt;
}

// Laid out left to right, the text shows its beginning at the left. The part
// kept holds no right-to-left letter nor direction control: nothing in it
// moves, and what follows cannot move it.
QString beginningWithin(const QFontMetricsF &metrics, const QString &text, qreal width)
{
    const std::optional<TextPrefix> prefix = partBeyond(metrics, text, width, false);
    if (!prefix || holdsRightToLeft(text, 0, prefix->length) || holdsDirectionControl(text, 0, prefix->length))
        return text;
    return text.left(prefix->length);
}

// Laid out right to left, the text shows its end at the left. The cut falls
// between two right-to-left letters, so no run of numbers or left-to-right
// text spans it, and nothing before it is a direction control that could
// reach into the part kept.
QString endWithin(const QFontMetricsF &metrics, const QString &text, qreal width)
{
    const std::optional<TextPrefix> suffix = partBeyond(metrics, text, width, true);
    if (!suffix)
        return text;
    qsizetype start = text.size() - suffix->length;
    while (start > 0 && !(isRightToLeftLetter(text[start]) && isRightToLeftLetter(text[start - 1])))
        --start;
    if (start == 0 || holdsDirectionControl(text, 0, start))
        return text;
    return text.mid(start);
}

} // namespace

std::optional<TextPrefix> prefixBeyond(const QFontMetricsF &metrics, const QString &text, qreal limit)
{
    return partBeyond(metrics, text, limit, false);
}

QString textWithin(const QFontMetricsF &metrics, const QString &text, qreal width)
{
    if (text.size() <= FirstPrefix)
        return text;
    // The direction is the first letter's: left to right without any.
    switch (firstStrong(text, 0, text.size())) {
    case Strength::LeftToRight:
    case Strength::Weak:
        return beginningWithin(metrics, text, width);
    case Strength::RightToLeft:
        return endWithin(metrics, text, width);
    case Strength::Control:
        break;
    }
    return text;
}
