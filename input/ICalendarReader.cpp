// SPDX-License-Identifier: MIT
#include "input/ICalendarReader.h"

#include "input/CalendarFileError.h"
#include "input/EventText.h"
#include "input/ICalendarParts.h"
#include "input/RecurrenceSteps.h"
#include "input/RuleBlanks.h"

#include <QDate>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

// libical steps a counted rule from its start, tens of microseconds a step:
// all counted rules of a calendar that only libical steps share this many
// steps, and the rules left when they are spent are not read.
constexpr int maxCountingSteps = 100000;

using Property = EventText::Property;

QByteArray nulTerminated(QByteArrayView value)
{
    return value.trimmed().toByteArray();
}

QString eventName(const EventText &event)
{
    const Property *summary = event.first("SUMMARY");
    return summary ? QString::fromUtf8(summary->text()).simplified() : QString();
}

// libical takes 16437851 for a date, in month 78; such a time is none.
bool isRealTime(const icaltimetype &time)
{
    if (icaltime_is_null_time(time) || time.year < 1 || time.year > 9999
        || !QDate(time.year, time.month, time.day).isValid())
        return false;
    return time.is_date || (time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60
                            && time.second >= 0 && time.second <= 60);
}

// The digits at from, or -1.
int digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// 20270311, 20270311T103000 or 20270311T103000Z, as calendar programs write
// them, read without libical's scanf.
std::optional<icaltimetype> basicTime(QByteArrayView text)
{
    const bool isDate = text.size() == 8;
    const bool isUtc = text.size() == 16 && text[15] == 'Z';
    if (!isDate && text.size() != 15 && !isUtc)
        return std::nullopt;
    icaltimetype time = icaltime_null_time();
    time.year = digits(text, 0, 4);
    time.month = digits(text, 4, 2);
    time.day = digits(text, 6, 2);
    time.is_date = isDate;
    if (!isDate) {
        if (text[8] != 'T')
            return std::nullopt;
        time.hour = digits(text, 9, 2);
        time.minute = digits(text, 11, 2);
        time.second = digits(text, 13, 2);
    }
    if (std::min({time.year, time.month, time.day, time.hour, time.minute, time.second}) < 0)
        return std::nullopt;
    if (isUtc)
        time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// A date or time as written; of a period, its start.
icaltimetype timeOf(QByteArrayView value)
{
    const qsizetype slash = value.indexOf('/');
    const QByteArrayView text = (slash < 0 ? value : value.first(slash)).trimmed();
    if (const std::optional<icaltimetype> time = basicTime(text))
        return *time;
    return icaltime_from_string(text.toByteArray().constData());
}

// Each date or time of a list (RDATE, EXDATE); none when one cannot be
// read, which costs the event.
std::optional<std::vector<icaltimetype>> timesOf(const Property &property)
{
    std::vector<icaltimetype> times;
    for (const QByteArray &item : withoutBlanksInValue(property.value()).split(',')) {
        const icaltimetype time = timeOf(item);
        if (icaltime_is_null_time(time))
            return std::nullopt;
        times.push_back(time);
    }
    return times;
}

QString xProperty(const EventText &event, const char *name)
{
    const Property *property = event.first(name);
    return property ? QString::fromUtf8(property->text()).trimmed() : QString();
}

bool hasBirthdayCategory(const EventText &event)
{
    for (const Property *property : event.all("CATEGORIES")) {
        const QStringList names = QString::fromUtf8(property->text()).split(u',');
        for (const QString &name : names) {
            const QString category = name.trimmed();
            if (category.compare(u"BIRTHDAY", Qt::CaseInsensitive) == 0
                || category.compare(u"BIRTHDAYS", Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

// The birthday calendars of calendar programs mark their events so.
bool isBirthday(const EventText &event)
{
    return hasBirthdayCategory(event) || xProperty(event, "X-NEXTCLOUD-BC-FIELD-TYPE") == u"BDAY"
           || xProperty(event, "X-KDE-BIRTHDAY").compare(u"YES", Qt::CaseInsensitive) == 0;
}

Birthday birthdayOf(const EventText &event, const QString &summary, const icaltimetype &start)
{
    Birthday birthday{summary, start.year, start.month, start.day};
    const QString name = xProperty(event, "X-NEXTCLOUD-BC-NAME");
    if (!name.isEmpty())
        birthday.name = name;
    if (!xProperty(event, "X-NEXTCLOUD-BC-UNKNOWN-YEAR").isEmpty())
        birthday.year = 0;
    return birthday;
}

QByteArray uidOf(const EventText &event)
{
    const Property *uid = event.first("UID");
    return uid ? uid->text().trimmed() : QByteArray();
}

class CalendarReader
{
public:
    explicit CalendarReader(icalcomponent *calendar)
        : m_calendar(calendar)
    {
    }

    // One event's text; the calendar the reader was made for holds its time
    // zones.
    void read(QByteArrayView text, CalendarContents &contents)
    {
        const EventText event(text);
        const QByteArray uid = uidOf(event);
        try {
            collectOverride(event, uid);
            readEvent(event, uid, contents);
        } catch (const CalendarFileError &error) {
            contents.leaveOut(error.refusal());
        }
    }

    // Moved and cancelled instances replace an instance of their series,
    // wherever in the calendar they come.
    void applyOverrides(CalendarContents &contents) const
    {
        for (const auto &[index, uid] : m_series) {
            const auto overrides = m_overrides.constFind(uid);
            std::vector<icaltimetype> &exdates = contents.events[index].exdates;
            if (overrides != m_overrides.cend())
                exdates.insert(exdates.end(), overrides->begin(), overrides->end());
        }
    }

private:
    // The time of a property, in the zone its TZID names: the calendar's own
    // VTIMEZONE first, then the system's zone of that name. A name found in
    // neither leaves the time floating, read as local time.
    icaltimetype zoned(const Property &property, icaltimetype time) const
    {
        if (time.is_date || icaltime_is_utc(time))
            return time;
        const QByteArray name = property.parameter("TZID").toByteArray();
        if (!name.isEmpty())
            time.zone = zoneNamed(name);
        return time;
    }

    // libical looks a system zone up among hundreds by name.
    icaltimezone *zoneNamed(const QByteArray &name) const
    {
        const auto known = m_zones.constFind(name);
        if (known != m_zones.cend())
            return *known;
        icaltimezone *zone = icalcomponent_get_timezone(m_calendar, name.constData());
        if (!zone)
            zone = icaltimezone_get_builtin_timezone_from_tzid(name.constData());
        if (!zone)
            zone = icaltimezone_get_builtin_timezone(name.constData());
        m_zones.insert(name, zone);
        return zone;
    }

    void collectOverride(const EventText &event, const QByteArray &uid)
    {
        const Property *recurrenceId = event.first("RECURRENCE-ID");
        if (!recurrenceId || uid.isEmpty())
            return;
        const icaltimetype instance = timeOf(recurrenceId->value());
        if (isRealTime(instance))
            m_overrides[uid].push_back(zoned(*recurrenceId, instance));
    }

    void readEvent(const EventText &event, const QByteArray &uid, CalendarContents &contents)
    {
        const Property *status = event.first("STATUS");
        if (status && status->value().trimmed().compare("CANCELLED", Qt::CaseInsensitive) == 0)
            return;
        ICalendarEvent read;
        read.summary = eventName(event);
        const Property *dtstart = event.first("DTSTART");
        if (dtstart)
            read.start = zoned(*dtstart, timeOf(dtstart->value()));
        if (!dtstart || !isRealTime(read.start))
            throw CalendarFileError(Refusal::Reason::EventWithoutDate, read.summary);
        read.duration = durationOf(event, read.start);
        readRules(event, read, contents);
        if (isYearlyBirthday(event, read)) {
            contents.birthdays.push_back(birthdayOf(event, read.summary, read.start));
            return;
        }
        read.rdates = realTimes(event, "RDATE", read.summary);
        read.exdates = realTimes(event, "EXDATE", read.summary);
        setSpan(read);
        contents.events.push_back(std::move(read));
        if (!uid.isEmpty() && !event.first("RECURRENCE-ID"))
            m_series.emplace_back(contents.events.size() - 1, uid);
    }

    // A list that cannot be read would print the event on days it does not
    // fall on; dates that do not exist are passed over.
    std::vector<icaltimetype> realTimes(const EventText &event, const char *name, const QString &summary) const
    {
        std::vector<icaltimetype> found;
        for (const Property *property : event.all(name)) {
            const std::optional<std::vector<icaltimetype>> times = timesOf(*property);
            if (!times)
                throw CalendarFileError(Refusal::Reason::UnreadableRule, summary);
            for (const icaltimetype &time : *times) {
                if (isRealTime(time))
                    found.push_back(zoned(*property, time));
            }
        }
        return found;
    }

    qint64 durationOf(const EventText &event, const icaltimetype &start) const
    {
        qint64 duration = start.is_date ? 24 * 60 * 60 : 0;
        if (const Property *dtend = event.first("DTEND")) {
            const icaltimetype end = zoned(*dtend, timeOf(dtend->value()));
            if (isRealTime(end))
                duration = ICalendarEvent::absoluteSeconds(end) - ICalendarEvent::absoluteSeconds(start);
        } else if (const Property *length = event.first("DURATION")) {
            const icaldurationtype written = icaldurationtype_from_string(nulTerminated(length->value()).constData());
            if (!icaldurationtype_is_bad_duration(written))
                duration = icaldurationtype_as_int(written);
        }
        return std::max<qint64>(0, duration);
    }

    // An unreadable EXRULE costs the event as an unreadable RRULE does; a
    // readable one is not honoured, as calendar programs no longer write it.
    static icalrecurrencetype ruleOf(const Property &property, const QString &summary)
    {
        const icalrecurrencetype rule =
            icalrecurrencetype_from_string(withoutBlanksInValue(property.value().trimmed()).constData());
        if (rule.freq == ICAL_NO_RECURRENCE) {
            free(rule.rscale);
            throw CalendarFileError(Refusal::Reason::UnreadableRule, summary);
        }
        return rule;
    }

    void readRules(const EventText &event, ICalendarEvent &read, CalendarContents &contents)
    {
        for (const Property *property : event.all("EXRULE")) {
            icalrecurrencetype rule = ruleOf(*property, read.summary);
            free(rule.rscale);
        }
        for (const Property *property : event.all("RRULE")) {
            icalrecurrencetype rule = ruleOf(*property, read.summary);
            if (rule.rscale)
                contents.scales.emplace_back(rule.rscale, free);
            const QString &name = read.summary;
            if (!icaltime_is_null_time(rule.until) && !isRealTime(rule.until))
                throw CalendarFileError(Refusal::Reason::UnreadableRule, name);
            read.ruleMonths |= monthsOf(rule, read.start);
            // The program counts its own rules when a month is laid out.
            if (std::optional<RecurrenceSteps> steps = RecurrenceSteps::of(rule, read.start)) {
                read.steppedRules.push_back(std::move(*steps));
                continue;
            }
            if (rule.count > 0 && !RecurrenceSteps::isEvenlySpaced(rule) && !untilOfCount(rule, read.start))
                throw CalendarFileError(Refusal::Reason::TooManyRepeats, name);
            read.rules.push_back(rule);
        }
    }

    static std::bitset<12> monthsOf(const icalrecurrencetype &rule, const icaltimetype &start)
    {
        std::bitset<12> months;
        for (int i = 0; i < ICAL_BY_MONTH_SIZE && rule.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
            if (rule.by_month[i] >= 1 && rule.by_month[i] <= 12)
                months.set(rule.by_month[i] - 1);
        }
        if (months.any())
            return months;
        // Days of the year and weekdays of a yearly rule (every Monday, the
        // 20th Monday) fall in any month.
        const bool yearDays = rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX
                              || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX
                              || rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
        if (rule.freq == ICAL_YEARLY_RECURRENCE && !yearDays) {
            months.set(start.month - 1);
            return months;
        }
        return months.set();
    }

    // Replaces COUNT by the UNTIL of the last occurrence it allows; false
    // when the calendar's steps are spent first.
    bool untilOfCount(icalrecurrencetype &rule, const icaltimetype &start)
    {
        if (rule.count > m_countingSteps)
            return false;
        icalrecur_iterator *steps = icalrecur_iterator_new(rule, start);
        if (!steps)
            return false;
        icaltimetype last = start;
        int step = 0;
        for (; step < rule.count; ++step) {
            const icaltimetype next = icalrecur_iterator_next(steps);
            if (icaltime_is_null_time(next))
                break;
            last = next;
        }
        icalrecur_iterator_free(steps);
        m_countingSteps -= step;
        rule.count = 0;
        rule.until = last;
        return true;
    }

    static bool isYearlyBirthday(const EventText &event, const ICalendarEvent &read)
    {
        if (read.rules.size() + read.steppedRules.size() != 1)
            return false;
        const icalrecurrencetype_frequency frequency =
            read.rules.empty() ? read.steppedRules.front().frequency() : read.rules.front().freq;
        return frequency == ICAL_YEARLY_RECURRENCE && isBirthday(event);
    }

    static void setSpan(ICalendarEvent &read)
    {
        read.spanStart = read.spanEnd = ICalendarEvent::absoluteSeconds(read.start);
        for (const icaltimetype &rdate : read.rdates) {
            read.spanStart = std::min(read.spanStart, ICalendarEvent::absoluteSeconds(rdate));
            read.spanEnd = std::max(read.spanEnd, ICalendarEvent::absoluteSeconds(rdate));
        }
        // A rule without an end runs on for ever.
        const auto extend = [&](const icaltimetype &until) {
            read.spanEnd = std::max(read.spanEnd, icaltime_is_null_time(until) ? std::numeric_limits<qint64>::max() / 2
                                                                                : ICalendarEvent::absoluteSeconds(until));
        };
        for (const RecurrenceSteps &steps : read.steppedRules)
            extend(steps.until());
        for (const icalrecurrencetype &rule : read.rules)
            extend(rule.until);
        read.spanEnd += read.duration;
    }

    icalcomponent *m_calendar;
    mutable QHash<QByteArray, icaltimezone *> m_zones;
    QHash<QByteArray, std::vector<icaltimetype>> m_overrides;
    // Where in the contents each event read that may have overrides went,
    // and its UID.
    std::vector<std::pair<size_t, QByteArray>> m_series;
    int m_countingSteps = maxCountingSteps;
};

// The children of one kind, listed first: going through them may remove
// some, which libical's own cursor does not survive.
template<typename Child, typename Kind>
std::vector<Child *> children(icalcomponent *parent, Kind kind, Child *(*first)(icalcomponent *, Kind),
                              Child *(*next)(icalcomponent *, Kind))
{
    std::vector<Child *> found;
    for (Child *child = first(parent, kind); child; child = next(parent, kind))
        found.push_back(child);
    return found;
}

std::vector<icalproperty *> properties(icalcomponent *component, icalproperty_kind kind)
{
    return children(component, kind, icalcomponent_get_first_property, icalcomponent_get_next_property);
}

std::vector<icalcomponent *> components(icalcomponent *parent, icalcomponent_kind kind)
{
    return children(parent, kind, icalcomponent_get_first_component, icalcomponent_get_next_component);
}

// libical steps through a zone's rules from their start to the years it
// converts (up to 2500: later years are taken 400 years back); zones repeat
// their changes yearly, in one month, and anything more frequent would take
// it hours. A real zone's rules run a thousand years at most, even those
// that start in 1601; those of one file may run this many years in all.
constexpr int maxRuleYears = 50000;

QString zoneName(icalcomponent *zone)
{
    icalproperty *tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
    const char *name = tzid ? icalproperty_get_tzid(tzid) : nullptr;
    return QString::fromUtf8(name ? name : "");
}

// The years a zone's change repeats for, up to 2500.
int yearsOf(icalcomponent *change, const icalrecurrencetype &rule)
{
    const icaltimetype start = icalcomponent_get_dtstart(change);
    const int end = icaltime_is_null_time(rule.until) ? 2500 : std::min(rule.until.year, 2500);
    return icaltime_is_null_time(start) ? 0 : std::max(0, end - start.year);
}

void checkTimeZones(icalcomponent *calendar, int &yearsLeft)
{
    for (icalcomponent *zone : components(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        for (icalcomponent *change : components(zone, ICAL_ANY_COMPONENT)) {
            for (icalproperty *property : properties(change, ICAL_RRULE_PROPERTY)) {
                const icalrecurrencetype rule = icalproperty_get_rrule(property);
                yearsLeft -= yearsOf(change, rule);
                if (rule.freq != ICAL_YEARLY_RECURRENCE || rule.by_month[1] != ICAL_RECURRENCE_ARRAY_MAX
                    || rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX
                    || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX || yearsLeft < 0)
                    throw CalendarFileError(Refusal::Reason::UnreadableTimeZone, zoneName(zone));
            }
        }
    }
}

std::vector<icalcomponent *> calendarsIn(icalcomponent *root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    return components(root, ICAL_VCALENDAR_COMPONENT);
}

std::shared_ptr<icalcomponent> parsed(const QByteArray &text)
{
    // libical reads up to the first NUL.
    const QByteArray plain = withoutBlanksInRules(text);
    return std::shared_ptr<icalcomponent>(icalparser_parse_string(plain.constData()), icalcomponent_free);
}

} // namespace

CalendarContents ICalendarReader::read(QByteArrayView data)
{
    icalerror_set_errors_are_fatal(0);
    CalendarContents contents;
    const ICalendarParts parts = ICalendarParts::of(data, contents);
    const std::shared_ptr<icalcomponent> root = parsed(parts.frame);
    const std::vector<icalcomponent *> calendars = root ? calendarsIn(root.get()) : std::vector<icalcomponent *>();
    if (calendars.empty())
        throw CalendarFileError(Refusal::Reason::InvalidCalendar);
    int ruleYears = maxRuleYears;
    for (icalcomponent *calendar : calendars)
        checkTimeZones(calendar, ruleYears);
    std::vector<CalendarReader> readers(calendars.begin(), calendars.end());
    contents.events.reserve(parts.events.size());
    for (const ICalendarParts::Event &event : parts.events)
        readers[size_t(std::min(event.calendar, int(readers.size()) - 1))].read(event.text, contents);
    for (const CalendarReader &reader : readers)
        reader.applyOverrides(contents);
    contents.calendars.push_back(root);
    return contents;
}
