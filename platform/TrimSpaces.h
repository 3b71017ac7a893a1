// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace TrimSpacesDetail {

template<typename View>
View trimmed(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace TrimSpacesDetail

// The text without leading and trailing blanks. Only the space character
// counts: tabs and other white space are kept, as the user typed them.
inline QStringView trimSpaces(QStringView text)
{
    return TrimSpacesDetail::trimmed(text);
}

// The same for text read as bytes: a blank is the same byte in every
// encoding a control file is read in.
inline QByteArrayView trimSpaces(QByteArrayView text)
{
    return TrimSpacesDetail::trimmed(text);
}
