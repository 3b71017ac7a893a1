#pragma once

#include <QtGlobal>
#include <optional>

class QFontMetricsF;
class QString;
class QStringView;

// Texts far longer than a page are measured by their beginning.

struct TextPrefix
{
    qsizetype length = 0;
    qreal width = 0;
};

// Measures growing beginnings of text and gives the first that is wider than
// limit by more than cutting the text there can change (kerning and shaping
// at the cut); none when the text is not that long. The whole text is then
// wider than limit too, and what lies beyond the beginning starts right of
// the limit.
std::optional<TextPrefix> prefixBeyond(const QFontMetricsF &metrics, const QString &text, qreal limit);

// Whether the first length characters of text are laid out left to right
// and at the same places as in the whole text, with the direction taken from
// the text: they hold no right-to-left letter or direction control, and the
// first letter of the text, if any, is a left-to-right one.
bool prefixKeepsLayout(QStringView text, qsizetype length);

// text, or its first part when it runs on more than width past the start:
// the rest lies beyond and cannot show within width.
QString textWithin(const QFontMetricsF &metrics, const QString &text, qreal width);
