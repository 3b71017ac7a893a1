// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>

class QFontMetricsF;
class QString;

// Texts far longer than a page are measured and drawn only in part.

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

// text, or the part of it that shows within width from its left end when it
// runs on far past that: the beginning of a left-to-right text, the end of a
// right-to-left one, laid out with the direction taken from the text. Where
// a cut could move what shows (direction controls, runs of numbers or of the
// other direction across the cut), the text is kept whole.
QString textWithin(const QFontMetricsF &metrics, const QString &text, qreal width);
