// SPDX-License-Identifier: MIT
#pragma once

#include "input/RecurrenceSteps.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <bitset>
#include <functional>
#include <libical/ical.h>
#include <optional>
#include <unordered_map>
#include <vector>

// One event of a calendar file, ready to be laid on any month: its start in
// its own time zone (or floating, or a date for an all-day event), how long
// it lasts and how it repeats. Times that are not dates carry the zone they
// are written in.
struct ICalendarEvent
{
    QString summary;
    icaltimetype start = icaltime_null_time();
    // Seconds; whole days for an all-day event.
    qint64 duration = 0;
    // Rules the program steps itself: the ones calendar programs write.
    std::vector<RecurrenceSteps> steppedRules;
    // The rest, those that repeat within a day and those only libical
    // steps; a COUNT of one libical steps is kept as the UNTIL of its last
    // occurrence, so expanding can start at the month printed.
    std::vector<icalrecurrencetype> rules;
    // Bit m - 1 is set for each month m in which the rules can start an
    // occurrence; a yearly rule names its months, others reach every month.
    // A rule that libical steps costs tens of microseconds a step, so months
    // it cannot reach are passed over without it.
    std::bitset<12> ruleMonths;
    std::vector<icaltimetype> rdates;
    // EXDATE, and the RECURRENCE-ID of every instance that was moved or
    // cancelled.
    std::vector<icaltimetype> exdates;
    // Seconds since the epoch (local times taken as UTC) that every
    // occurrence lies within.
    qint64 spanStart = 0;
    qint64 spanEnd = 0;

    // The days of one month in a local time zone; made once for all events.
    struct Month
    {
        Month(int year, int month, const QTimeZone &local);

        QDate first;
        QDate last;
        QTimeZone local;
        // Seconds since the epoch at the month's first and after its last
        // local midnight.
        qint64 start = 0;
        qint64 end = 0;
        // The local zone's offset from UTC when clocks do not change from
        // steadyFrom to steadyTo, days around the month: local times there
        // are then found without looking the zone up for each.
        qint64 steadyFrom = 0;
        qint64 steadyTo = 0;
        std::optional<int> steadyOffset;

        // absoluteSeconds of a time laid on the month. An event's zone whose
        // clocks do not change around the month is looked up once, not for
        // each of the tens of thousands of occurrences a busy month has.
        qint64 secondsOf(const icaltimetype &time) const;

    private:
        mutable std::unordered_map<const icaltimezone *, std::optional<int>> m_zoneOffsets;
    };

    // Calls covered for every day of month that an occurrence covers, in
    // local time: with the local start time of each timed occurrence that
    // starts on the day (the first only for a rule that repeats within a
    // day), else once without one on an all-day event's days and on the
    // later days of an event that runs past midnight.
    void forEachDay(const Month &month, const std::function<void(QDate, std::optional<QTime>)> &covered) const;

    bool rulesMayReach(const Month &month) const;

    // Seconds since the epoch; a date or a floating time is taken as UTC.
    static qint64 absoluteSeconds(const icaltimetype &time);

private:
    void layRules(const Month &month, qint64 from, qint64 to,
                  const std::function<void(const icaltimetype &)> &take) const;
};
