#pragma once

#include <QStringView>
#include <functional>

// Where a word too wide for its line is broken: the longest beginning that
// fits, cut at a Unicode line-break opportunity, else between grapheme
// clusters, else between code points. Gives at least one grapheme cluster,
// so a line always takes something. fits is asked about beginnings of word
// only; a word of megabytes is looked at no further than its first line.
qsizetype wordBreak(QStringView word, const std::function<bool(QStringView)> &fits);
