// SPDX-License-Identifier: MIT
#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include <QLocale>
#include <QTimeZone>
#include <cstdlib>

// Any file contents: no crash and no hang, and laying the events on a month
// only ever appends to the notes a day already holds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTimeZone zone("Europe/Berlin");
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    const CalendarFileRead read = readCalendarData(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), zone);
    if (!read.events) {
        if (!read.refusal)
            std::abort();
        return 0;
    }
    for (const auto &[year, month] : {std::pair{2027, 1}, std::pair{2028, 2}}) {
        DayNotes strNotes;
        strNotes.fill(QStringLiteral("Kept"));
        read.events->addNotes(strNotes, year, month, locale);
        for (const QString &entry : strNotes) {
            if (!entry.startsWith(QStringLiteral("Kept")))
                std::abort();
        }
    }
    return 0;
}
