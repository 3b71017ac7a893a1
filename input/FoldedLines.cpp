// SPDX-License-Identifier: MIT
#include "input/FoldedLines.h"

qsizetype logicalLineEnd(QByteArrayView text, qsizetype begin)
{
    qsizetype end = begin;
    do {
        end = text.indexOf('\n', end);
        if (end < 0)
            return text.size();
        ++end;
    } while (end < text.size() && (text[end] == ' ' || text[end] == '\t'));
    return end;
}

QByteArray unfolded(QByteArrayView line)
{
    QByteArray result;
    result.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' || line[i] == '\n') {
            if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
                ++i;
            ++i; // the blank that folds, if any
            continue;
        }
        result += line[i];
    }
    return result;
}
