// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QVarLengthArray>
#include <functional>
#include <libical/ical.h>
#include <optional>
#include <utility>
#include <vector>

// The repetition rules calendar programs write, stepped without libical,
// whose stepping costs tens of microseconds a step: DAILY, WEEKLY, MONTHLY
// and YEARLY with INTERVAL, UNTIL, COUNT, WKST, BYMONTH, BYDAY (with a
// position in a MONTHLY rule and in a YEARLY one with BYMONTH), BYMONTHDAY
// and BYSETPOS. Gives the occurrences libical gives; any other rule is left
// to libical.
class RecurrenceSteps
{
public:
    // None for a rule that only libical steps.
    static std::optional<RecurrenceSteps> of(const icalrecurrencetype &rule, const icaltimetype &start);

    // Whether the rule repeats at a fixed number of seconds (HOURLY,
    // MINUTELY, SECONDLY without any BY part), so that its occurrences on
    // any day are found without stepping.
    static bool isEvenlySpaced(const icalrecurrencetype &rule);

    // Calls take for every occurrence on the days first..last, in order,
    // each at the start's time of day and in its zone. A COUNT counts the
    // rule's occurrences from the start's day, as libical does: a start the
    // rule does not give is an occurrence beside them.
    void forEach(QDate first, QDate last, const std::function<void(const icaltimetype &)> &take) const;

    icalrecurrencetype_frequency frequency() const { return m_frequency; }
    // A null time for a rule without an end.
    icaltimetype until() const { return m_until; }

private:
    // A period's dates, on the stack for all but yearly rules of many days:
    // laying a month steps every rule's periods.
    using Dates = QVarLengthArray<QDate, 32>;

    RecurrenceSteps(const icalrecurrencetype &rule, const icaltimetype &start);

    // The dates of the kth period after the start's, in order, before the
    // start and UNTIL are applied.
    Dates datesOfPeriod(qint64 period) const;
    Dates allDatesOfPeriod(qint64 period) const;
    // How many occurrences from the start's day on lie in the periods before
    // period, added to counted; false when they use the COUNT up or are too
    // many periods to count.
    bool countBefore(qint64 period, qint64 &counted) const;
    // The occurrences of every period but the first, when all hold as many.
    std::optional<qint64> fixedPeriodSize() const;
    Dates datesInMonth(int year, int month) const;
    void addWeekdays(QDate first, int length, QVarLengthArray<int, 32> &days) const;
    qint64 monthOf(qint64 steps) const;
    bool keeps(QDate date) const;
    qint64 firstPeriodReaching(QDate day) const;
    QDate periodStart(qint64 period) const;

    icalrecurrencetype_frequency m_frequency;
    int m_interval;
    icaltimetype m_start;
    icaltimetype m_until;
    int m_count;
    QDate m_startDate;
    int m_weekStart;
    // Position (0 for every one) and Qt's day of the week.
    std::vector<std::pair<int, int>> m_days;
    std::vector<int> m_monthDays;
    std::vector<int> m_months;
    std::vector<int> m_setPositions;
};
