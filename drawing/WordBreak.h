// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <functional>

// Where a word too wide for its line is broken: the longest beginning that
// measures at most available, cut at a Unicode line-break opportunity, else
// between grapheme clusters, else between code points; the whole word when
// it fits. A tab is part of the word, never a line-break opportunity. Gives
// at least one grapheme cluster, so a line always takes something. measure
// is asked about beginnings of word only, and a word of megabytes is looked
// at no further than its first line.
qsizetype wordBreak(QStringView word, double available, const std::function<double(QStringView)> &measure);

// Whether word has a Unicode line-break opportunity before limit, tabs not
// counted; word is looked at little further than limit.
bool hasLineBreak(QStringView word, qsizetype limit);
