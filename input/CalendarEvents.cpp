// SPDX-License-Identifier: MIT
#include "input/CalendarEvents.h"

#include "input/AppendNote.h"
#include "platform/ClockTime.h"

#include <QLocale>
#include <algorithm>

namespace {

// A note of the month, worded only if it prints: a busy month lays tens of
// thousands.
struct DayNote
{
    int day = 0;
    // Milliseconds into the day for a timed note; untimed notes come first.
    int startTime = -1;
    const Birthday *birthday = nullptr;
    const QString *summary = nullptr;

    QString text(int year, const QLocale &locale) const
    {
        if (birthday)
            return birthday->noteFor(year);
        if (startTime < 0)
            return *summary;
        return (hoursAndMinutes(QTime::fromMSecsSinceStartOfDay(startTime), locale) + u' ' + *summary).trimmed();
    }
};

} // namespace

CalendarEvents::CalendarEvents(CalendarContents contents, const QTimeZone &local)
    : m_contents(std::move(contents))
    , m_local(local)
{
}

void CalendarEvents::addNotes(DayNotes &strNotes, int year, int month, const QLocale &locale) const
{
    if (!QDate(year, month, 1).isValid())
        return;
    const std::lock_guard lock(m_laidMutex);
    if (!m_laid || m_laid->year != year || m_laid->month != month || m_laid->locale != locale)
        m_laid = LaidMonth{year, month, locale, notesOf(year, month, locale)};
    for (const auto &[day, text] : m_laid->notes)
        appendNote(strNotes, day - 1, text);
}

CalendarEvents::MonthNotes CalendarEvents::notesOf(int year, int month, const QLocale &locale) const
{
    const ICalendarEvent::Month days(year, month, m_local);
    std::vector<DayNote> notes;
    for (const Birthday &birthday : m_contents.birthdays) {
        const int day = birthday.dayIn(year, month);
        if (day && birthday.hasNoteFor(year))
            notes.push_back({day, -1, &birthday, nullptr});
    }
    for (const ICalendarEvent &event : m_contents.events) {
        event.forEachDay(days, [&](QDate day, std::optional<QTime> start) {
            notes.push_back({int(days.first.daysTo(day)) + 1, start ? start->msecsSinceStartOfDay() : -1, nullptr,
                             &event.summary});
        });
    }
    std::stable_sort(notes.begin(), notes.end(), [](const DayNote &a, const DayNote &b) {
        return std::tie(a.day, a.startTime) < std::tie(b.day, b.startTime);
    });
    // A cell holds CellLines lines and each note after a day's first starts
    // one, so later notes can never print.
    MonthNotes laid;
    for (const DayNote &note : notes) {
        const size_t kept = laid.size();
        if (kept <= size_t(CellLines) || laid[kept - CellLines - 1].first != note.day)
            laid.emplace_back(note.day, note.text(year, locale));
    }
    return laid;
}
