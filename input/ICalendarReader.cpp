// SPDX-License-Identifier: MIT
#include "input/ICalendarReader.h"

#include "input/CalendarFileError.h"
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

QString eventName(icalcomponent *event)
{
    const char *summary = icalcomponent_get_summary(event);
    return QString::fromUtf8(summary ? summary : "").simplified();
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

// The time of a property, in the zone its TZID names: the calendar's own
// VTIMEZONE first, then the system's zone of that name. A name found in
// neither leaves the time floating, read as local time.
icaltimetype zoned(icalcomponent *calendar, icalproperty *property, icaltimetype time)
{
    if (time.is_date || icaltime_is_utc(time))
        return time;
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!tzid)
        return time;
    const char *name = icalparameter_get_tzid(tzid);
    icaltimezone *zone = icalcomponent_get_timezone(calendar, name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(name);
    time.zone = zone;
    return time;
}

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

QString xProperty(icalcomponent *event, const char *name)
{
    for (icalproperty *property : properties(event, ICAL_X_PROPERTY)) {
        const char *xName = icalproperty_get_x_name(property);
        const char *value = icalproperty_get_x(property);
        if (xName && value && qstricmp(xName, name) == 0)
            return QString::fromUtf8(value).trimmed();
    }
    return QString();
}

bool hasBirthdayCategory(icalcomponent *event)
{
    for (icalproperty *property : properties(event, ICAL_CATEGORIES_PROPERTY)) {
        const char *categories = icalproperty_get_categories(property);
        const QStringList names = QString::fromUtf8(categories ? categories : "").split(u',');
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
bool isBirthday(icalcomponent *event)
{
    return hasBirthdayCategory(event) || xProperty(event, "X-NEXTCLOUD-BC-FIELD-TYPE") == u"BDAY"
           || xProperty(event, "X-KDE-BIRTHDAY").compare(u"YES", Qt::CaseInsensitive) == 0;
}

Birthday birthdayOf(icalcomponent *event, const icaltimetype &start)
{
    Birthday birthday{eventName(event), start.year, start.month, start.day};
    const QString name = xProperty(event, "X-NEXTCLOUD-BC-NAME");
    if (!name.isEmpty())
        birthday.name = name;
    if (!xProperty(event, "X-NEXTCLOUD-BC-UNKNOWN-YEAR").isEmpty())
        birthday.year = 0;
    return birthday;
}

class CalendarReader
{
public:
    explicit CalendarReader(icalcomponent *calendar)
        : m_calendar(calendar)
    {
    }

    // Reads the events of one part of the calendar; events holds them and
    // the calendar the reader was made for their time zones.
    void readEvents(icalcomponent *events, CalendarContents &contents)
    {
        collectOverrides(events);
        for (icalcomponent *event : components(events, ICAL_VEVENT_COMPONENT)) {
            try {
                readEvent(event, contents);
            } catch (const CalendarFileError &error) {
                contents.leaveOut(error.refusal());
            }
            // The events are copied out; only the calendar scales that rules
            // point to must stay.
            if (namesScale(event))
                continue;
            icalcomponent_remove_component(events, event);
            icalcomponent_free(event);
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
    void collectOverrides(icalcomponent *events)
    {
        for (icalcomponent *event : components(events, ICAL_VEVENT_COMPONENT)) {
            icalproperty *recurrenceId = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
            const char *uid = icalcomponent_get_uid(event);
            if (!recurrenceId || !uid)
                continue;
            const icaltimetype instance = icalproperty_get_recurrenceid(recurrenceId);
            if (isRealTime(instance))
                m_overrides[QByteArray(uid)].push_back(zoned(m_calendar, recurrenceId, instance));
        }
    }

    static bool namesScale(icalcomponent *event)
    {
        const std::vector<icalproperty *> rules = properties(event, ICAL_RRULE_PROPERTY);
        return std::any_of(rules.begin(), rules.end(),
                           [](icalproperty *rule) { return icalproperty_get_rrule(rule).rscale != nullptr; });
    }

    void readEvent(icalcomponent *event, CalendarContents &contents)
    {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            return;
        ICalendarEvent read;
        read.summary = eventName(event);
        icalproperty *dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        if (dtstart)
            read.start = zoned(m_calendar, dtstart, icalproperty_get_dtstart(dtstart));
        if (!dtstart || !isRealTime(read.start))
            throw CalendarFileError(Refusal::Reason::EventWithoutDate, read.summary);
        read.duration = durationOf(event, read.start);
        if (hasDroppedRule(event))
            throw CalendarFileError(Refusal::Reason::UnreadableRule, read.summary);
        readRules(event, read);
        if (isYearlyBirthday(event, read)) {
            contents.birthdays.push_back(birthdayOf(event, read.start));
            return;
        }
        for (icalproperty *property : properties(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(property);
            const icaltimetype time = icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time;
            if (isRealTime(time))
                read.rdates.push_back(zoned(m_calendar, property, time));
        }
        for (icalproperty *property : properties(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype exdate = icalproperty_get_exdate(property);
            if (isRealTime(exdate))
                read.exdates.push_back(zoned(m_calendar, property, exdate));
        }
        setSpan(read);
        contents.events.push_back(std::move(read));
        const char *uid = icalcomponent_get_uid(event);
        if (uid && !icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
            m_series.emplace_back(contents.events.size() - 1, QByteArray(uid));
    }

    qint64 durationOf(icalcomponent *event, const icaltimetype &start) const
    {
        qint64 duration = start.is_date ? 24 * 60 * 60 : 0;
        if (icalproperty *dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
            const icaltimetype end = zoned(m_calendar, dtend, icalproperty_get_dtend(dtend));
            if (isRealTime(end))
                duration = ICalendarEvent::absoluteSeconds(end) - ICalendarEvent::absoluteSeconds(start);
        } else if (icalproperty *length = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
            duration = icaldurationtype_as_int(icalproperty_get_duration(length));
        }
        return std::max<qint64>(0, duration);
    }

    // libical replaces a rule or date list it cannot parse by an error note;
    // the event without it would print on days it does not fall on.
    static bool hasDroppedRule(icalcomponent *event)
    {
        for (icalproperty *error : properties(event, ICAL_XLICERROR_PROPERTY)) {
            const QByteArray text = icalproperty_get_xlicerror(error);
            for (const char *name : {"RRULE", "EXRULE", "RDATE", "EXDATE"}) {
                if (text.contains(QByteArray(" in ") + name + " property"))
                    return true;
            }
        }
        return false;
    }

    void readRules(icalcomponent *event, ICalendarEvent &read)
    {
        for (icalproperty *property : properties(event, ICAL_RRULE_PROPERTY)) {
            icalrecurrencetype rule = icalproperty_get_rrule(property);
            const QString &name = read.summary;
            if (rule.freq == ICAL_NO_RECURRENCE || (!icaltime_is_null_time(rule.until) && !isRealTime(rule.until)))
                throw CalendarFileError(Refusal::Reason::UnreadableRule, name);
            // The program counts its own rules when a month is laid out.
            const bool countedLater = RecurrenceSteps::of(rule, read.start) || RecurrenceSteps::isEvenlySpaced(rule);
            if (rule.count > 0 && !countedLater) {
                if (!untilOfCount(rule, read.start))
                    throw CalendarFileError(Refusal::Reason::TooManyRepeats, name);
            }
            read.ruleMonths |= monthsOf(rule, read.start);
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

    static bool isYearlyBirthday(icalcomponent *event, const ICalendarEvent &read)
    {
        return read.rules.size() == 1 && read.rules.front().freq == ICAL_YEARLY_RECURRENCE && isBirthday(event);
    }

    static void setSpan(ICalendarEvent &read)
    {
        read.spanStart = read.spanEnd = ICalendarEvent::absoluteSeconds(read.start);
        for (const icaltimetype &rdate : read.rdates) {
            read.spanStart = std::min(read.spanStart, ICalendarEvent::absoluteSeconds(rdate));
            read.spanEnd = std::max(read.spanEnd, ICalendarEvent::absoluteSeconds(rdate));
        }
        // A rule without an end runs on for ever.
        for (const icalrecurrencetype &rule : read.rules)
            read.spanEnd = std::max(read.spanEnd, icaltime_is_null_time(rule.until)
                                                      ? std::numeric_limits<qint64>::max() / 2
                                                      : ICalendarEvent::absoluteSeconds(rule.until));
        read.spanEnd += read.duration;
    }

    icalcomponent *m_calendar;
    QHash<QByteArray, std::vector<icaltimetype>> m_overrides;
    // Where in the contents each event read that may have overrides went,
    // and its UID.
    std::vector<std::pair<size_t, QByteArray>> m_series;
    int m_countingSteps = maxCountingSteps;
};

// libical steps through a zone's rules from their start to the years it
// converts; zones repeat their changes yearly, in one month, and anything
// more frequent would take it hours.
void checkTimeZones(icalcomponent *calendar)
{
    for (icalcomponent *zone : components(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        for (icalcomponent *change : components(zone, ICAL_ANY_COMPONENT)) {
            for (icalproperty *property : properties(change, ICAL_RRULE_PROPERTY)) {
                const icalrecurrencetype rule = icalproperty_get_rrule(property);
                if (rule.freq != ICAL_YEARLY_RECURRENCE || rule.by_month[1] != ICAL_RECURRENCE_ARRAY_MAX
                    || rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX
                    || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX) {
                    icalproperty *tzidProperty = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
                    const char *tzid = tzidProperty ? icalproperty_get_tzid(tzidProperty) : nullptr;
                    throw CalendarFileError(Refusal::Reason::UnreadableTimeZone,
                                            QString::fromUtf8(tzid ? tzid : ""));
                }
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
    for (icalcomponent *calendar : calendars)
        checkTimeZones(calendar);
    std::vector<CalendarReader> readers(calendars.begin(), calendars.end());
    for (const ICalendarParts::Batch &batch : parts.batches) {
        const std::shared_ptr<icalcomponent> events = parsed(batch.text);
        CalendarReader &reader = readers[size_t(std::min(batch.calendar, int(readers.size()) - 1))];
        for (icalcomponent *part : events ? calendarsIn(events.get()) : std::vector<icalcomponent *>())
            reader.readEvents(part, contents);
        if (events && icalcomponent_count_components(events.get(), ICAL_ANY_COMPONENT) > 0)
            contents.calendars.push_back(events);
    }
    for (const CalendarReader &reader : readers)
        reader.applyOverrides(contents);
    contents.calendars.push_back(root);
    return contents;
}
