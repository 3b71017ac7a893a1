#include "surface/TextPrefix.h"

#include <QFontMetricsF>
#include <QString>

namespace {

constexpr qsizetype FirstPrefix = 256;
// What a cut can change is far less than the width of a few glyphs.
constexpr qreal CutMargin = 4;

// Right-to-left letters and explicit direction controls may move the text
// around them; left-to-right letters set the direction; the rest follows.
enum class Strength { LeftToRight, Other, Weak };

Strength strength(QChar::Direction direction)
{
    switch (direction) {
    case QChar::DirL:
        return Strength::LeftToRight;
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return Strength::Other;
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

} // namespace

std::optional<TextPrefix> prefixBeyond(const QFontMetricsF &metrics, const QString &text, qreal limit)
{
    for (qsizetype length = FirstPrefix; length < text.size(); length *= 2) {
        if (text[length - 1].isHighSurrogate())
            ++length;
        if (length >= text.size())
            break;
        const qreal width = metrics.horizontalAdvance(text.left(length));
        if (width > limit + CutMargin * metrics.maxWidth())
            return TextPrefix{length, width};
    }
    return std::nullopt;
}

bool prefixKeepsLayout(QStringView text, qsizetype length)
{
    bool hasLetter = false;
    for (qsizetype i = 0; i < length; ++i) {
        const Strength found = strengthAt(text, i);
        if (found == Strength::Other)
            return false;
        hasLetter = hasLetter || found == Strength::LeftToRight;
    }
    if (hasLetter)
        return true;
    // Without a letter of its own the prefix takes its direction from the
    // first letter after it.
    for (qsizetype i = length; i < text.size(); ++i) {
        const Strength found = strengthAt(text, i);
        if (found != Strength::Weak)
            return found == Strength::LeftToRight;
    }
    return true;
}

QString textWithin(const QFontMetricsF &metrics, const QString &text, qreal width)
{
    const std::optional<TextPrefix> prefix = prefixBeyond(metrics, text, width);
    if (prefix && prefixKeepsLayout(text, prefix->length))
        return text.left(prefix->length);
    return text;
}
