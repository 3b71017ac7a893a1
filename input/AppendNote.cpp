// SPDX-License-Identifier: MIT
#include "input/AppendNote.h"

bool appendNote(DayNotes &strNotes, int index, const QString &note)
{
    if (index < 0 || index >= int(strNotes.size()))
        return false;
    QString &entry = strNotes[index];
    if (entry.isEmpty()) {
        entry = note;
    } else {
        entry += NoteSeparator;
        entry += note;
    }
    return true;
}
