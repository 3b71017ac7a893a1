// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

// The text without leading and trailing blanks. Only the space character
// counts: tabs and other white space are kept, as the user typed them.
inline QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}
