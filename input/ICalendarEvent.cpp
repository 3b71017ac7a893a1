// SPDX-License-Identifier: MIT
#include "input/ICalendarEvent.h"

#include <QDateTime>
#include <algorithm>
#include <limits>

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

// The local time of a time at seconds since the epoch.
QDateTime localDateTime(const icaltimetype &time, qint64 seconds, const QTimeZone &local)
{
    if (!time.zone)
        return QDateTime(dateOf(time), QTime(time.hour, time.minute, time.second), local);
    return QDateTime::fromSecsSinceEpoch(seconds, local);
}

// The zone's offset from UTC at seconds since the epoch. libical searches
// the zone's changes one by one here, so only where clocks change nearby.
// Zones repeat their yearly changes every 400 years, the Gregorian
// calendar's cycle. libical works out every change from a zone's first up to
// the year it converts, seconds for a year far off: a time after 2500 is
// taken whole cycles back, to the years 2100 to 2500.
qint64 withinCycles(qint64 seconds)
{
    constexpr qint64 cycle = 146097 * secondsPerDay;
    constexpr qint64 lastWorkedOut = 16725225600; // 2500-01-01
    if (seconds <= lastWorkedOut)
        return seconds;
    return seconds - (seconds - lastWorkedOut + cycle - 1) / cycle * cycle;
}

int offsetAt(const icaltimezone *zone, qint64 seconds)
{
    icaltimetype utc = icaltime_from_timet_with_zone(time_t(withinCycles(seconds)), 0, icaltimezone_get_utc_timezone());
    int daylight = 0;
    return icaltimezone_get_utc_offset_of_utc_time(const_cast<icaltimezone *>(zone), &utc, &daylight);
}

// The zone's offset at a local time (seconds as if UTC) that clocks do not
// skip or repeat.
int offsetAtLocal(const icaltimezone *zone, qint64 seconds)
{
    icaltimetype local = icaltime_from_timet_with_zone(time_t(withinCycles(seconds)), 0, nullptr);
    int daylight = 0;
    return icaltimezone_get_utc_offset(const_cast<icaltimezone *>(zone), &local, &daylight);
}

// Several notes a day would fill the day: those rules print the first.
bool repeatsWithinADay(const icalrecurrencetype &rule)
{
    return rule.freq < ICAL_DAILY_RECURRENCE || rule.by_hour[1] != ICAL_RECURRENCE_ARRAY_MAX
           || rule.by_minute[1] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_second[1] != ICAL_RECURRENCE_ARRAY_MAX;
}

bool setsTimeOfDay(const icalrecurrencetype &rule)
{
    return rule.freq < ICAL_DAILY_RECURRENCE || rule.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX
           || rule.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

QDate utcDate(qint64 seconds)
{
    return QDate(1970, 1, 1).addDays(seconds >= 0 ? seconds / secondsPerDay : -((-seconds + secondsPerDay - 1) / secondsPerDay));
}

struct LocalTime
{
    QDate date;
    QTime time;
};

// A time at seconds since the epoch on a clock that keeps UTC, without a
// QDateTime's zone lookups.
LocalTime utcClock(qint64 seconds)
{
    const QDate day = utcDate(seconds);
    return {day, QTime::fromMSecsSinceStartOfDay(int(seconds - QDate(1970, 1, 1).daysTo(day) * secondsPerDay) * 1000)};
}

// The zone's offset from UTC when clocks do not change between from and to.
std::optional<int> offsetBetween(const QTimeZone &zone, qint64 from, qint64 to)
{
    const QDateTime first = QDateTime::fromSecsSinceEpoch(from, QTimeZone::utc());
    const QDateTime last = QDateTime::fromSecsSinceEpoch(to, QTimeZone::utc());
    if (zone.offsetFromUtc(first) != zone.offsetFromUtc(last) || !zone.transitions(first, last).isEmpty())
        return std::nullopt;
    return zone.offsetFromUtc(first);
}

// The zone's offset from UTC when its clocks do not change between from and
// to. Real zones change at most twice a year, so a look every six hours
// finds any change.
std::optional<int> steadyOffsetOf(const icaltimezone *zone, qint64 from, qint64 to)
{
    constexpr qint64 step = 6 * 60 * 60;
    const int offset = offsetAt(zone, from);
    for (qint64 at = from + step; at < to + step; at += step) {
        if (offsetAt(zone, std::min(at, to)) != offset)
            return std::nullopt;
    }
    return offset;
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
    DayCollector(const ICalendarEvent::Month &month, qint64 duration, bool onePerDay)
        : m_month(month)
        , m_duration(duration)
        , m_onePerDay(onePerDay)
    {
    }

    void lay(const icaltimetype &occurrence, qint64 seconds)
    {
        if (!occurrence.is_date) {
            m_timed.push_back({seconds, occurrence});
            return;
        }
        const QDate day = dateOf(occurrence);
        const qint64 days = std::max<qint64>(1, m_duration / secondsPerDay);
        cover(day, day.addDays(days - 1));
    }

    // Every instance that starts on a day prints with its time; a day it
    // merely covers prints once, without one.
    void report(const std::function<void(QDate, std::optional<QTime>)> &covered)
    {
        const std::vector<std::pair<qint64, QTime>> starts = localStarts();
        if (starts.empty() && !m_covered.any())
            return;
        auto next = starts.begin();
        const qint64 days = m_month.first.daysTo(m_month.last) + 1;
        for (qint64 index = 0; index < days; ++index) {
            const QDate day = m_month.first.addDays(index);
            const bool starting = next != starts.end() && next->first == index;
            for (bool first = true; next != starts.end() && next->first == index; ++next, first = false) {
                if (first || !m_onePerDay)
                    covered(day, next->second);
            }
            if (!starting && m_covered[size_t(index)])
                covered(day, std::nullopt);
        }
    }

private:
    struct Timed
    {
        qint64 seconds = 0;
        icaltimetype occurrence;
    };

    // The start, an RDATE and a rule may give one instance more than once:
    // it prints once.
    // Days counted from the month's first, and local start times, in order.
    std::vector<std::pair<qint64, QTime>> localStarts()
    {
        std::sort(m_timed.begin(), m_timed.end(), [](const Timed &a, const Timed &b) { return a.seconds < b.seconds; });
        m_timed.erase(std::unique(m_timed.begin(), m_timed.end(),
                                  [](const Timed &a, const Timed &b) { return a.seconds == b.seconds; }),
                      m_timed.end());
        std::vector<std::pair<qint64, QTime>> starts;
        for (const Timed &timed : m_timed) {
            const auto [start, end] = localSpan(timed.occurrence, timed.seconds);
            QDate lastDay = end.date;
            // An event that ends at midnight does not reach the next day.
            if (m_duration > 0 && end.time == QTime(0, 0))
                lastDay = lastDay.addDays(-1);
            if (start.date >= m_month.first && start.date <= m_month.last)
                starts.emplace_back(m_month.first.daysTo(start.date), start.time);
            cover(start.date.addDays(1), lastDay);
        }
        std::sort(starts.begin(), starts.end());
        return starts;
    }

    // Local start and end of an occurrence.
    std::pair<LocalTime, LocalTime> localSpan(const icaltimetype &occurrence, qint64 seconds) const
    {
        // A floating time lies within a day of its instant.
        const qint64 slack = occurrence.zone ? 0 : secondsPerDay;
        if (m_month.steadyOffset && seconds - slack >= m_month.steadyFrom && seconds + slack <= m_month.steadyTo) {
            const qint64 offset = occurrence.zone ? *m_month.steadyOffset : 0;
            return {utcClock(seconds + offset), utcClock(seconds + m_duration + offset)};
        }
        const QDateTime start = localDateTime(occurrence, seconds, m_month.local);
        const QDateTime end = start.addSecs(m_duration);
        return {{start.date(), start.time()}, {end.date(), end.time()}};
    }

    void cover(QDate from, QDate to)
    {
        for (QDate day = std::max(from, m_month.first); day <= std::min(to, m_month.last); day = day.addDays(1))
            m_covered.set(size_t(m_month.first.daysTo(day)));
    }

    const ICalendarEvent::Month &m_month;
    qint64 m_duration;
    bool m_onePerDay;
    std::vector<Timed> m_timed;
    std::bitset<31> m_covered;
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
        icaltimetype occurrence = icalrecur_iterator_next(steps);
        if (icaltime_is_null_time(occurrence) || ICalendarEvent::absoluteSeconds(occurrence) > to)
            break;
        // libical moves later instances of a start that a change of clocks
        // skips; the rule keeps the start's time of day.
        if (!occurrence.is_date && !setsTimeOfDay(rule)) {
            occurrence.hour = start.hour;
            occurrence.minute = start.minute;
            occurrence.second = start.second;
        }
        take(occurrence);
    }
    icalrecur_iterator_free(steps);
}

// The first occurrence at or after seconds since the epoch. A fresh
// iterator each time: libical's keeps its place within the day's hours
// across a new start.
icaltimetype firstFrom(const icalrecurrencetype &rule, const icaltimetype &start, qint64 seconds)
{
    icalrecur_iterator *steps = icalrecur_iterator_new(rule, start);
    if (!steps)
        return icaltime_null_time();
    if (seconds > ICalendarEvent::absoluteSeconds(start))
        icalrecur_iterator_set_start(steps, timeLike(start, seconds));
    const icaltimetype occurrence = icalrecur_iterator_next(steps);
    icalrecur_iterator_free(steps);
    return occurrence;
}

// A rule that repeats within a day needs only the first occurrence of each
// day the page shows: libical starts afresh at each local midnight instead of
// stepping through the day.
void stepDaysWithLibical(const icalrecurrencetype &rule, const icaltimetype &start, const QTimeZone &local, qint64 from,
                         qint64 to, const std::function<void(const icaltimetype &)> &take)
{
    // Floating times are on the page's clock already, and read as UTC.
    const QTimeZone clock = start.is_date || !start.zone ? QTimeZone::utc() : local;
    const auto dayAt = [&](qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds, clock).date(); };
    for (QDate day = dayAt(std::max(from, ICalendarEvent::absoluteSeconds(start))); day <= dayAt(to); day = day.addDays(1)) {
        const icaltimetype occurrence = firstFrom(rule, start, QDateTime(day, QTime(0, 0), clock).toSecsSinceEpoch());
        const qint64 at = ICalendarEvent::absoluteSeconds(occurrence);
        if (icaltime_is_null_time(occurrence) || at > to)
            return;
        take(occurrence);
        day = std::max(day, dayAt(at));
    }
}

// The time at seconds since the epoch: in UTC, or floating as the start is.
icaltimetype instantLike(const icaltimetype &start, qint64 seconds)
{
    const bool floating = start.is_date || !start.zone;
    icaltimetype time = icaltime_from_timet_with_zone(time_t(seconds), 0, icaltimezone_get_utc_timezone());
    time.zone = floating ? nullptr : icaltimezone_get_utc_timezone();
    return time;
}

// The first occurrence of a rule every so many seconds on each day of the
// window, without stepping: they lie at equal distances from the start.
void stepEvenly(const icalrecurrencetype &rule, const icaltimetype &start, const ICalendarEvent::Month &month,
                qint64 duration, const std::function<void(const icaltimetype &)> &take)
{
    const qint64 unit = rule.freq == ICAL_HOURLY_RECURRENCE ? 3600 : rule.freq == ICAL_MINUTELY_RECURRENCE ? 60 : 1;
    const qint64 step = unit * std::max<qint64>(1, rule.interval);
    const qint64 first = ICalendarEvent::absoluteSeconds(start);
    const bool floating = start.is_date || !start.zone;
    const QTimeZone zone = floating ? QTimeZone::utc() : month.local;
    const qint64 until = icaltime_is_null_time(rule.until) ? std::numeric_limits<qint64>::max()
                                                           : ICalendarEvent::absoluteSeconds(rule.until);
    const QDate from = month.first.addDays(-1 - duration / secondsPerDay);
    for (QDate day = from; day <= month.last; day = day.addDays(1)) {
        const qint64 midnight = QDateTime(day, QTime(0, 0), zone).toSecsSinceEpoch();
        const qint64 next = QDateTime(day.addDays(1), QTime(0, 0), zone).toSecsSinceEpoch();
        const qint64 index = std::max<qint64>(0, (midnight - first + step - 1) / step);
        const qint64 at = first + index * step;
        if ((rule.count > 0 && index >= rule.count) || at > until)
            return;
        if (at < next)
            take(instantLike(start, at));
    }
}

// EXDATEs and moved instances: a date leaves out the instances of its day,
// a time the one at its instant. Looked up, not compared one by one: a file
// may list thousands.
class Exclusions
{
public:
    explicit Exclusions(const std::vector<icaltimetype> &exdates)
    {
        for (const icaltimetype &excluded : exdates) {
            m_days.push_back(dateOf(excluded));
            if (excluded.is_date)
                m_wholeDays.push_back(dateOf(excluded));
            else
                m_instants.push_back(ICalendarEvent::absoluteSeconds(excluded));
        }
        std::sort(m_days.begin(), m_days.end());
        std::sort(m_wholeDays.begin(), m_wholeDays.end());
        std::sort(m_instants.begin(), m_instants.end());
    }

    // at is the occurrence's seconds since the epoch.
    bool excludes(const icaltimetype &occurrence, qint64 at) const
    {
        const QDate day = dateOf(occurrence);
        if (occurrence.is_date)
            return std::binary_search(m_days.begin(), m_days.end(), day);
        return std::binary_search(m_instants.begin(), m_instants.end(), at)
               || std::binary_search(m_wholeDays.begin(), m_wholeDays.end(), day);
    }

private:
    std::vector<QDate> m_days;
    std::vector<QDate> m_wholeDays;
    std::vector<qint64> m_instants;
};

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

// RFC 5545: a local time that a change of clocks skips moves on by the gap;
// one that comes twice is the first. libical gets both wrong.
qint64 ICalendarEvent::absoluteSeconds(const icaltimetype &time)
{
    icaltimetype fields = time;
    fields.zone = nullptr;
    const qint64 local = icaltime_as_timet(fields);
    if (time.is_date || !time.zone || icaltime_is_utc(time))
        return local;
    const int before = offsetAtLocal(time.zone, local - secondsPerDay);
    const int after = offsetAtLocal(time.zone, local + secondsPerDay);
    if (before == after)
        return local - before;
    for (const int offset : {std::max(before, after), std::min(before, after)}) {
        if (offsetAt(time.zone, local - offset) == offset)
            return local - offset;
    }
    return local - before;
}

qint64 ICalendarEvent::Month::secondsOf(const icaltimetype &time) const
{
    if (time.is_date || !time.zone || icaltime_is_utc(time))
        return absoluteSeconds(time);
    auto known = m_zoneOffsets.find(time.zone);
    if (known == m_zoneOffsets.end())
        known = m_zoneOffsets.emplace(time.zone, steadyOffsetOf(time.zone, steadyFrom - margin, steadyTo + margin)).first;
    icaltimetype fields = time;
    fields.zone = nullptr;
    const qint64 local = icaltime_as_timet(fields);
    if (known->second && local >= steadyFrom && local <= steadyTo)
        return local - *known->second;
    return absoluteSeconds(time);
}

ICalendarEvent::Month::Month(int year, int month, const QTimeZone &local)
    : first(year, month, 1)
    , last(year, month, first.daysInMonth())
    , local(local)
    , start(QDateTime(first, QTime(0, 0), local).toSecsSinceEpoch())
    , end(QDateTime(last.addDays(1), QTime(0, 0), local).toSecsSinceEpoch())
    , steadyFrom(start - 2 * margin)
    , steadyTo(end + 2 * margin)
    , steadyOffset(offsetBetween(local, steadyFrom, steadyTo))
{
}

void ICalendarEvent::forEachDay(const Month &month, const std::function<void(QDate, std::optional<QTime>)> &covered) const
{
    const qint64 from = month.start - duration - margin;
    const qint64 to = month.end + margin;
    if (spanEnd < from || spanStart > to)
        return;
    DayCollector days(month, duration, std::any_of(rules.begin(), rules.end(), repeatsWithinADay));
    const Exclusions exclusions(exdates);
    const auto take = [&](const icaltimetype &occurrence) {
        const qint64 at = month.secondsOf(occurrence);
        if (at >= from && at <= to && !exclusions.excludes(occurrence, at))
            days.lay(occurrence, at);
    };
    take(start);
    for (const icaltimetype &rdate : rdates)
        take(rdate);
    if (rulesMayReach(month))
        layRules(month, from, to, take);
    days.report(covered);
}

void ICalendarEvent::layRules(const Month &month, qint64 from, qint64 to,
                              const std::function<void(const icaltimetype &)> &take) const
{
    const auto endsBefore = [from](const icaltimetype &until) {
        return !icaltime_is_null_time(until) && absoluteSeconds(until) < from;
    };
    for (const RecurrenceSteps &steps : steppedRules) {
        if (!endsBefore(steps.until()))
            steps.forEach(utcDate(from).addDays(-1), utcDate(to).addDays(1), take);
    }
    for (const icalrecurrencetype &rule : rules) {
        if (endsBefore(rule.until))
            continue;
        if (RecurrenceSteps::isEvenlySpaced(rule))
            stepEvenly(rule, start, month, duration, take);
        else if (repeatsWithinADay(rule))
            stepDaysWithLibical(rule, start, month.local, from, to, take);
        else
            stepWithLibical(rule, start, from, to, take);
    }
}
