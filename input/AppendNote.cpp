// SPDX-License-Identifier: MIT
#include "input/AppendNote.h"

namespace {

// Just after the first "^" of the seventh word that holds one, or -1 when
// there are fewer such words.
qsizetype seventhBreak(QStringView entry)
{
    int words = 0;
    for (qsizetype caret = entry.indexOf(LineBreakMark); caret >= 0;) {
        if (++words == CellLines)
            return caret + 1;
        const qsizetype wordEnd = entry.indexOf(u' ', caret);
        if (wordEnd < 0)
            break;
        caret = entry.indexOf(LineBreakMark, wordEnd);
    }
    return -1;
}

} // namespace

bool appendNote(DayNotes &strNotes, int index, QString note)
{
    if (index < 0 || index >= int(strNotes.size()))
        return false;
    QString &entry = strNotes[index];
    if (isFullEntry(entry))
        return true;
    if (entry.isEmpty()) {
        entry = std::move(note);
    } else {
        entry += NoteSeparator;
        entry += note;
    }
    if (const qsizetype end = seventhBreak(entry); end >= 0) {
        entry.truncate(end);
        entry.squeeze();
    }
    return true;
}

bool isFullEntry(QStringView entry)
{
    return seventhBreak(entry) >= 0;
}
