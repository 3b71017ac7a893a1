// SPDX-License-Identifier: MIT
#include "input/ICalendarEvent.h"

#include "input/RecurrenceSteps.h"

#include <QDateTime>
#include <algorithm>
#include <array>

namespace {

constexpr qint64 secondsPerDay = 24 * 60 * 60;
// Zone offsets reach 14 hours; dates and floating times are compared as UTC.
constexpr qint64 margin = 2 * secondsPerDay;
// No month holds more steps of a daily-or-rarer rule; the bound only guards
// against a rule that libical cannot start at the month.
constexpr int maxStepsPerMonth = 20000;

QDate dateOf(const icaltimetype &time)
{
    return QDate(time.year, time.month, time.day);
}

QDateTime localDateTime(const icaltimetype &time, const QTimeZone &local)
{
    if (!time.zone)
        return QDateTime(dateOf(time), QTime(time.hour, time.minute, time.second), local);
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(time, time.zone), local);
}

QDate utcDate(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).date();
}

// The rule's own kind of time at seconds since the epoch.
icaltimetype timeLike(const icaltimetype &start, qint64 seconds)
{
    const icaltimezone *zone = start.zone ? start.zone : icaltimezone_get_utc_timezone();
    icaltimetype time = icaltime_from_timet_with_zone(time_t(seconds), start.is_date, const_cast<icaltimezone *>(zone));
    time.zone = start.zone;
    return time;
}

class DayCollector
{
public:
    DayCollector(QDate first, QDate last, const QTimeZone &local,
                 const std::function<void(QDate, std::optional<QTime>)> &covered)
        : m_first(first)
        , m_last(last)
        , m_local(local)
        , m_covered(covered)
    {
    }

    void lay(const icaltimetype &occurrence, qint64 duration)
    {
        if (occurrence.is_date) {
            const QDate day = dateOf(occurrence);
            const qint64 days = std::max<qint64>(1, duration / secondsPerDay);
            report(day, day.addDays(days - 1), std::nullopt);
            return;
        }
        const QDateTime start = localDateTime(occurrence, m_local);
        const QDateTime end = start.addSecs(duration);
        QDate lastDay = end.date();
        // An event that ends at midnight does not reach the next day.
        if (duration > 0 && end.time() == QTime(0, 0))
            lastDay = lastDay.addDays(-1);
        report(start.date(), std::max(lastDay, start.date()), start.time());
    }

private:
    void report(QDate from, QDate to, std::optional<QTime> startTime)
    {
        for (QDate day = std::max(from, m_first); day <= std::min(to, m_last); day = day.addDays(1)) {
            const int index = day.day() - 1;
            if (m_seen[index])
                continue;
            m_seen[index] = true;
            m_covered(day, day == from ? startTime : std::nullopt);
        }
    }

    QDate m_first;
    QDate m_last;
    const QTimeZone &m_local;
    const std::function<void(QDate, std::optional<QTime>)> &m_covered;
    std::array<bool, 31> m_seen{};
};

// libical's occurrences up to seconds to, started near seconds from.
void stepWithLibical(const icalrecurrencetype &rule, const icaltimetype &start, qint64 from, qint64 to,
                     const std::function<void(const icaltimetype &)> &take)
{
    icalrecur_iterator *steps = icalrecur_iterator_new(rule, start);
    if (!steps)
        return;
    if (from > ICalendarEvent::absoluteSeconds(start))
        icalrecur_iterator_set_start(steps, timeLike(start, from));
    for (int step = 0; step < maxStepsPerMonth; ++step) {
        const icaltimetype occurrence = icalrecur_iterator_next(steps);
        if (icaltime_is_null_time(occurrence) || ICalendarEvent::absoluteSeconds(occurrence) > to)
            break;
        take(occurrence);
    }
    icalrecur_iterator_free(steps);
}

bool sameInstance(const icaltimetype &excluded, const icaltimetype &occurrence)
{
    if (excluded.is_date || occurrence.is_date)
        return dateOf(excluded) == dateOf(occurrence);
    return ICalendarEvent::absoluteSeconds(excluded) == ICalendarEvent::absoluteSeconds(occurrence);
}

} // namespace

bool ICalendarEvent::rulesMayReach(const Month &month) const
{
    // A long event, or one shifted by a time zone, reaches into the next
    // month.
    if (duration >= 28 * secondsPerDay)
        return true;
    const int index = month.first.month() - 1;
    return ruleMonths[index] || ruleMonths[(index + 11) % 12] || ruleMonths[(index + 1) % 12];
}

qint64 ICalendarEvent::absoluteSeconds(const icaltimetype &time)
{
    if (time.is_date || !time.zone)
        return icaltime_as_timet(time);
    return icaltime_as_timet_with_zone(time, time.zone);
}

ICalendarEvent::Month::Month(int year, int month, const QTimeZone &local)
    : first(year, month, 1)
    , last(year, month, first.daysInMonth())
    , local(local)
    , start(QDateTime(first, QTime(0, 0), local).toSecsSinceEpoch())
    , end(QDateTime(last.addDays(1), QTime(0, 0), local).toSecsSinceEpoch())
{
}

void ICalendarEvent::forEachDay(const Month &month, const std::function<void(QDate, std::optional<QTime>)> &covered) const
{
    const qint64 from = month.start - duration - margin;
    const qint64 to = month.end + margin;
    if (spanEnd < from || spanStart > to)
        return;
    DayCollector days(month.first, month.last, month.local, covered);
    const auto take = [&](const icaltimetype &occurrence) {
        const qint64 at = absoluteSeconds(occurrence);
        if (at < from || at > to)
            return;
        for (const icaltimetype &excluded : exdates) {
            if (sameInstance(excluded, occurrence))
                return;
        }
        days.lay(occurrence, duration);
    };
    take(start);
    for (const icaltimetype &rdate : rdates)
        take(rdate);
    if (!rulesMayReach(month))
        return;
    for (const icalrecurrencetype &rule : rules) {
        if (!icaltime_is_null_time(rule.until) && absoluteSeconds(rule.until) < from)
            continue;
        if (const std::optional<RecurrenceSteps> quick = RecurrenceSteps::of(rule, start))
            quick->forEach(utcDate(from).addDays(-1), utcDate(to).addDays(1), take);
        else
            stepWithLibical(rule, start, from, to, take);
    }
}
