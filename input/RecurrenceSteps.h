// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <functional>
#include <libical/ical.h>
#include <optional>
#include <utility>
#include <vector>

// The repetition rules calendar programs write, stepped without libical,
// whose stepping costs tens of microseconds a step: DAILY, WEEKLY, MONTHLY
// and YEARLY with INTERVAL, UNTIL, WKST, BYMONTH, BYDAY (with a position in a
// MONTHLY rule and in a YEARLY one with BYMONTH) and BYMONTHDAY. Gives the
// occurrences libical gives; any other rule is left to libical.
class RecurrenceSteps
{
public:
    // None for a rule that only libical steps, and for one with a COUNT.
    static std::optional<RecurrenceSteps> of(const icalrecurrencetype &rule, const icaltimetype &start);

    // Calls take for every occurrence on the days first..last, in order,
    // each at the start's time of day and in its zone.
    void forEach(QDate first, QDate last, const std::function<void(const icaltimetype &)> &take) const;

private:
    RecurrenceSteps(const icalrecurrencetype &rule, const icaltimetype &start);

    // The dates of the kth period after the start's, in order, before the
    // start and UNTIL are applied.
    std::vector<QDate> datesOfPeriod(qint64 period) const;
    std::vector<QDate> datesInMonth(int year, int month) const;
    bool keeps(QDate date) const;
    qint64 firstPeriodReaching(QDate day) const;
    QDate periodStart(qint64 period) const;

    icalrecurrencetype_frequency m_frequency;
    int m_interval;
    icaltimetype m_start;
    icaltimetype m_until;
    QDate m_startDate;
    int m_weekStart;
    // Position (0 for every one) and Qt's day of the week.
    std::vector<std::pair<int, int>> m_days;
    std::vector<int> m_monthDays;
    std::vector<int> m_months;
};
