// SPDX-License-Identifier: MIT
#include "input/AddNthWeekdayNote.h"

#include "input/AppendNote.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QString>

namespace {

// Zero-based day of the wanted weekday's occurrence, in 16-bit arithmetic.
qint16 dayIndex(QDate first, qint16 weekday, qint16 occurrence)
{
    const qint16 difference = addInt16(Weekday(first), -weekday);
    qint16 offset = 0;
    if (difference < 0)
        offset = qint16(-difference);
    else if (difference > 0)
        offset = addInt16(7, -difference);
    return addInt16(offset, mulInt16(addInt16(occurrence, -1), 7));
}

} // namespace

void AddNthWeekdayNote(DayNotes &strNotes, const QString &txtYear, qint16 weekday, qint16 occurrence, qint16 month,
                       const QString &note)
{
    if (occurrence < 1 || weekday < 0)
        return;
    try {
        const QDate first = firstDayOfMonth(CInt(Val(txtYear.trimmed())), month);
        const qint16 index = dayIndex(first, weekday, occurrence);
        if (index + 1 <= first.daysInMonth())
            appendNote(strNotes, index, note);
    } catch (const RuntimeError &) {
        // The rule names no day of this month: nothing to note.
    }
}
