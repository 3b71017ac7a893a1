// SPDX-License-Identifier: MIT
#include "input/RecurrenceSteps.h"

#include <algorithm>

namespace {

// Beyond the steps any month of a daily-or-rarer rule needs; a window made
// long by a long event is cut as libical's stepping is.
constexpr int maxPeriods = 20000;
// Counting a COUNT up to a month far off passes every period before it;
// beyond these the rule is not counted.
constexpr qint64 maxCountedPeriods = 200000;

template<std::size_t size>
std::vector<int> listed(const short (&values)[size])
{
    std::vector<int> found;
    for (std::size_t i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        found.push_back(values[i]);
    return found;
}

// libical counts the week from Sunday (1), Qt from Monday (1).
int qtDayOfWeek(icalrecurrencetype_weekday day)
{
    return (int(day) + 5) % 7 + 1;
}

qint64 floorDivide(qint64 value, qint64 divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

qint64 monthIndex(QDate date)
{
    return qint64(date.year()) * 12 + date.month() - 1;
}

bool isSimple(const icalrecurrencetype &rule)
{
    const bool hasDays = rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const bool hasMonthDays = rule.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const bool hasMonths = rule.by_month[0] != ICAL_RECURRENCE_ARRAY_MAX;
    if (rule.freq < ICAL_DAILY_RECURRENCE || rule.freq > ICAL_YEARLY_RECURRENCE || rule.count < 0
        || rule.rscale || rule.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX
        || rule.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX
        || rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    for (const int position : listed(rule.by_set_pos)) {
        if (position == 0)
            return false;
    }
    for (const int month : listed(rule.by_month)) {
        if (month < 1 || month > 12)
            return false;
    }
    for (const int day : listed(rule.by_month_day)) {
        if (day == 0 || day < -31 || day > 31)
            return false;
    }
    for (const int day : listed(rule.by_day)) {
        const int position = icalrecurrencetype_day_position(short(day));
        if (icalrecurrencetype_day_day_of_week(short(day)) == ICAL_NO_WEEKDAY || position < -5 || position > 5)
            return false;
        // Positions count within a month, so only where the period is one.
        const bool inMonth = rule.freq == ICAL_MONTHLY_RECURRENCE || (rule.freq == ICAL_YEARLY_RECURRENCE && hasMonths);
        if (position != 0 && !inMonth)
            return false;
    }
    switch (rule.freq) {
    // libical passes over negative month days in a daily rule.
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        return !hasMonthDays;
    case ICAL_YEARLY_RECURRENCE:
        return hasMonths || (!hasDays && !hasMonthDays);
    default:
        return true;
    }
}

bool isEmpty(const short *values)
{
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

} // namespace

std::optional<RecurrenceSteps> RecurrenceSteps::of(const icalrecurrencetype &rule, const icaltimetype &start)
{
    if (!isSimple(rule) || !QDate(start.year, start.month, start.day).isValid())
        return std::nullopt;
    return RecurrenceSteps(rule, start);
}

bool RecurrenceSteps::isEvenlySpaced(const icalrecurrencetype &rule)
{
    return rule.freq >= ICAL_SECONDLY_RECURRENCE && rule.freq <= ICAL_HOURLY_RECURRENCE && !rule.rscale
           && isEmpty(rule.by_second) && isEmpty(rule.by_minute) && isEmpty(rule.by_hour) && isEmpty(rule.by_day)
           && isEmpty(rule.by_month_day) && isEmpty(rule.by_year_day) && isEmpty(rule.by_week_no)
           && isEmpty(rule.by_month) && isEmpty(rule.by_set_pos);
}

RecurrenceSteps::RecurrenceSteps(const icalrecurrencetype &rule, const icaltimetype &start)
    : m_frequency(rule.freq)
    , m_interval(std::max<int>(1, rule.interval))
    , m_start(start)
    , m_until(rule.until)
    , m_count(rule.count)
    , m_startDate(start.year, start.month, start.day)
    , m_weekStart(rule.week_start == ICAL_NO_WEEKDAY ? 1 : qtDayOfWeek(rule.week_start))
    , m_monthDays(listed(rule.by_month_day))
    , m_months(listed(rule.by_month))
    , m_setPositions(listed(rule.by_set_pos))
{
    for (const int day : listed(rule.by_day))
        m_days.emplace_back(icalrecurrencetype_day_position(short(day)),
                            qtDayOfWeek(icalrecurrencetype_day_day_of_week(short(day))));
}

void RecurrenceSteps::forEach(QDate first, QDate last, const std::function<void(const icaltimetype &)> &take) const
{
    const qint64 from = firstPeriodReaching(std::max(first, m_startDate));
    qint64 counted = 0;
    if (m_count > 0 && !countBefore(from, counted))
        return;
    for (qint64 period = from; period < from + maxPeriods && periodStart(period) <= last; ++period) {
        for (const QDate date : datesOfPeriod(period)) {
            if (date < m_startDate)
                continue;
            if (m_count > 0 && ++counted > m_count)
                return;
            if (date < first)
                continue;
            if (date > last)
                return;
            icaltimetype occurrence = m_start;
            date.getDate(&occurrence.year, &occurrence.month, &occurrence.day);
            if (!icaltime_is_null_time(m_until) && icaltime_compare(occurrence, m_until) > 0)
                return;
            take(occurrence);
        }
    }
}

// The first day of the period; for a month or year, its first.
QDate RecurrenceSteps::periodStart(qint64 period) const
{
    const qint64 steps = period * m_interval;
    switch (m_frequency) {
    case ICAL_DAILY_RECURRENCE:
        return m_startDate.addDays(steps);
    case ICAL_WEEKLY_RECURRENCE:
        return m_startDate.addDays(-((m_startDate.dayOfWeek() - m_weekStart + 7) % 7) + 7 * steps);
    case ICAL_MONTHLY_RECURRENCE:
        return QDate(int(monthOf(steps) / 12), int(monthOf(steps) % 12) + 1, 1);
    default:
        return QDate(m_start.year + int(steps), 1, 1);
    }
}

qint64 RecurrenceSteps::firstPeriodReaching(QDate day) const
{
    switch (m_frequency) {
    case ICAL_DAILY_RECURRENCE:
        return floorDivide(m_startDate.daysTo(day), m_interval);
    case ICAL_WEEKLY_RECURRENCE:
        return floorDivide(periodStart(0).daysTo(day), 7 * qint64(m_interval));
    case ICAL_MONTHLY_RECURRENCE:
        return floorDivide(monthIndex(day) - monthIndex(m_startDate), m_interval);
    default:
        return floorDivide(day.year() - m_start.year, m_interval);
    }
}

bool RecurrenceSteps::countBefore(qint64 period, qint64 &counted) const
{
    const std::optional<qint64> size = fixedPeriodSize();
    for (qint64 k = 0; k < period; ++k) {
        if (size && k > 0) {
            counted += (period - k) * *size;
            break;
        }
        if (k >= maxCountedPeriods)
            return false;
        for (const QDate date : datesOfPeriod(k))
            counted += date >= m_startDate ? 1 : 0;
        if (counted >= m_count)
            return false;
    }
    return counted < m_count;
}

std::optional<qint64> RecurrenceSteps::fixedPeriodSize() const
{
    const bool fixed = m_months.empty()
                       && (m_frequency == ICAL_WEEKLY_RECURRENCE || (m_frequency == ICAL_DAILY_RECURRENCE && m_days.empty()));
    if (!fixed)
        return std::nullopt;
    return qint64(datesOfPeriod(1).size());
}

// BYSETPOS picks from all the dates of a period.
RecurrenceSteps::Dates RecurrenceSteps::datesOfPeriod(qint64 period) const
{
    Dates dates = allDatesOfPeriod(period);
    if (m_setPositions.empty())
        return dates;
    Dates picked;
    const qint64 size = qint64(dates.size());
    for (const int position : m_setPositions) {
        const qint64 index = position > 0 ? position - 1 : size + position;
        if (index >= 0 && index < size)
            picked.push_back(dates[index]);
    }
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return picked;
}

// Months counted from the start of the year 0, steps months after the
// start's.
qint64 RecurrenceSteps::monthOf(qint64 steps) const
{
    return qint64(m_start.year) * 12 + m_start.month - 1 + steps;
}

RecurrenceSteps::Dates RecurrenceSteps::allDatesOfPeriod(qint64 period) const
{
    const QDate start = periodStart(period);
    Dates dates;
    switch (m_frequency) {
    case ICAL_DAILY_RECURRENCE:
        dates.push_back(start);
        break;
    case ICAL_WEEKLY_RECURRENCE:
        for (int offset = 0; offset < 7; ++offset) {
            const int weekday = (m_weekStart + offset - 1) % 7 + 1;
            const bool listedDay = std::any_of(m_days.begin(), m_days.end(), [&](const auto &entry) {
                return entry.second == weekday;
            });
            if (m_days.empty() ? weekday == m_startDate.dayOfWeek() : listedDay)
                dates.push_back(start.addDays(offset));
        }
        break;
    case ICAL_MONTHLY_RECURRENCE: {
        const qint64 month = monthOf(period * m_interval);
        return datesInMonth(int(month / 12), int(month % 12) + 1);
    }
    default:
        for (int month = 1; month <= 12; ++month) {
            const bool named = m_months.empty() ? month == m_start.month
                                                : std::find(m_months.begin(), m_months.end(), month) != m_months.end();
            if (!named)
                continue;
            const Dates inMonth = datesInMonth(m_start.year + int(period * m_interval), month);
            dates.append(inMonth.constData(), inMonth.size());
        }
        return dates;
    }
    dates.removeIf([&](QDate date) { return !keeps(date); });
    return dates;
}

RecurrenceSteps::Dates RecurrenceSteps::datesInMonth(int year, int month) const
{
    const QDate first(year, month, 1);
    const int length = first.daysInMonth();
    Dates dates;
    if (!m_months.empty() && std::find(m_months.begin(), m_months.end(), month) == m_months.end())
        return dates;
    if (m_days.empty() && m_monthDays.empty()) {
        if (m_start.day <= length)
            dates.push_back(first.addDays(m_start.day - 1));
        return dates;
    }
    QVarLengthArray<int, 32> days;
    if (m_days.empty()) {
        for (const int monthDay : m_monthDays)
            days.push_back(monthDay > 0 ? monthDay : length + 1 + monthDay);
    } else {
        addWeekdays(first, length, days);
    }
    // BYMONTHDAY narrows BYDAY.
    const auto listed = [&](int day) {
        const auto named = [&](int monthDay) { return monthDay == day || monthDay == day - length - 1; };
        const bool narrowed = !m_days.empty() && !m_monthDays.empty();
        return day >= 1 && day <= length && (!narrowed || std::any_of(m_monthDays.begin(), m_monthDays.end(), named));
    };
    std::sort(days.begin(), days.end());
    for (qsizetype i = 0; i < days.size(); ++i) {
        if (listed(days[i]) && (i == 0 || days[i] != days[i - 1]))
            dates.push_back(first.addDays(days[i] - 1));
    }
    return dates;
}

// The days of the month that BYDAY names: each weekday's, or the nth from
// the start or the end. Found from the first's weekday: a QDate for every day
// of every period costs the most of laying a busy month.
void RecurrenceSteps::addWeekdays(QDate first, int length, QVarLengthArray<int, 32> &days) const
{
    const int firstWeekday = first.dayOfWeek();
    for (const auto &[position, weekday] : m_days) {
        const int earliest = 1 + (weekday - firstWeekday + 7) % 7;
        const int count = (length - earliest) / 7 + 1;
        if (position == 0) {
            for (int k = 0; k < count; ++k)
                days.push_back(earliest + 7 * k);
            continue;
        }
        const int k = position > 0 ? position - 1 : count + position;
        if (k >= 0 && k < count)
            days.push_back(earliest + 7 * k);
    }
}

// The parts that only narrow a daily or weekly rule.
bool RecurrenceSteps::keeps(QDate date) const
{
    if (!m_months.empty() && std::find(m_months.begin(), m_months.end(), date.month()) == m_months.end())
        return false;
    return m_frequency != ICAL_DAILY_RECURRENCE || m_days.empty()
           || std::any_of(m_days.begin(), m_days.end(), [&](const auto &entry) { return entry.second == date.dayOfWeek(); });
}
