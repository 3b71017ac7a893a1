// SPDX-License-Identifier: MIT
#include "input/ICalendarParts.h"

#include "input/CalendarFileError.h"
#include "input/FoldedLines.h"

#include <algorithm>

namespace {

// Observances and RDATEs of one time zone.
constexpr int maxObservances = 500;

// One logical line: continuation lines start with a blank.
struct LogicalLine
{
    QByteArrayView text;
    qsizetype unfoldedBytes = 0;
};

LogicalLine logicalLineAt(QByteArrayView text, qsizetype begin)
{
    const QByteArrayView line = text.sliced(begin, logicalLineEnd(text, begin) - begin);
    // Each fold takes its line end and one blank.
    const qsizetype folds = std::max<qsizetype>(0, line.count('\n') - (line.endsWith('\n') ? 1 : 0));
    return {line, line.size() - folds * 3};
}

bool isLine(QByteArrayView line, QByteArrayView name)
{
    return line.trimmed().compare(name, Qt::CaseInsensitive) == 0;
}

bool isSummary(QByteArrayView line)
{
    return line.startsWith("SUMMARY:") || line.startsWith("summary:");
}

// The event's SUMMARY, when written without parameters, names it.
Refusal tooLong(QByteArrayView summary)
{
    const QString name = isSummary(summary) ? QString::fromUtf8(summary.sliced(8)).simplified() : QString();
    return Refusal{Refusal::Subject::Calendar, Refusal::Reason::LineTooLong, QString(), name};
}

// Collects the lines of one event until its end decides where it goes.
class PartsBuilder
{
public:
    PartsBuilder(QByteArrayView text, CalendarContents &contents)
        : m_text(text)
        , m_contents(contents)
    {
    }

    // line lies at begin in the text.
    void take(const LogicalLine &line, qsizetype begin)
    {
        const bool isTooLong = line.unfoldedBytes > maxCalendarLineBytes;
        if (!m_inEvent && m_depth > 0 && isLine(line.text, "BEGIN:VEVENT")) {
            m_inEvent = true;
            m_eventTooLong = false;
            m_summary = {};
            m_eventBegin = begin;
        } else if (m_inEvent && !isTooLong && m_summary.isEmpty() && isSummary(line.text)) {
            m_summary = line.text;
        }
        if (!m_inEvent) {
            countCalendars(line.text);
            countObservances(line.text);
            if (isTooLong)
                m_contents.leaveOut(tooLong({}));
            else
                m_parts.frame += line.text;
            return;
        }
        m_eventTooLong = m_eventTooLong || isTooLong;
        if (isLine(line.text, "END:VEVENT"))
            endEvent(m_text.sliced(m_eventBegin, begin + line.text.size() - m_eventBegin));
    }

    ICalendarParts result()
    {
        // An event never ended is left to libical, as the file has it.
        if (m_inEvent && m_eventTooLong)
            m_contents.leaveOut(tooLong(m_summary));
        else if (m_inEvent)
            m_parts.frame += m_text.sliced(m_eventBegin);
        return std::move(m_parts);
    }

private:
    // An event's lines, BEGIN to END, as the file has them.
    void endEvent(QByteArrayView event)
    {
        m_inEvent = false;
        if (m_eventTooLong) {
            m_contents.leaveOut(tooLong(m_summary));
            return;
        }
        m_parts.events.push_back({calendar(), event});
    }

    // Real zones have changed their rules a few dozen times at most; libical
    // goes through every observance and date of a zone for each time it
    // converts.
    void countObservances(QByteArrayView line)
    {
        if (isLine(line, "BEGIN:VTIMEZONE")) {
            m_zone.clear();
            m_observances = 0;
        } else if (line.startsWith("TZID:") && m_zone.isEmpty()) {
            m_zone = QString::fromUtf8(line.sliced(5).trimmed());
        } else if (isLine(line, "BEGIN:STANDARD") || isLine(line, "BEGIN:DAYLIGHT") || line.startsWith("RDATE")) {
            if (++m_observances > maxObservances)
                throw CalendarFileError(Refusal::Reason::UnreadableTimeZone, m_zone);
        }
    }

    // Calendars inside a calendar are libical's to sort out.
    void countCalendars(QByteArrayView line)
    {
        if (isLine(line, "BEGIN:VCALENDAR") && m_depth++ == 0)
            ++m_calendars;
        else if (isLine(line, "END:VCALENDAR") && m_depth > 0)
            --m_depth;
    }

    int calendar() const { return std::max(0, m_calendars - 1); }

    QByteArrayView m_text;
    CalendarContents &m_contents;
    ICalendarParts m_parts;
    int m_calendars = 0;
    int m_depth = 0;
    bool m_inEvent = false;
    bool m_eventTooLong = false;
    QByteArrayView m_summary;
    qsizetype m_eventBegin = 0;
    QString m_zone;
    int m_observances = 0;
};

} // namespace

ICalendarParts ICalendarParts::of(QByteArrayView text, CalendarContents &contents)
{
    PartsBuilder builder(text, contents);
    for (qsizetype begin = 0; begin < text.size();) {
        const LogicalLine line = logicalLineAt(text, begin);
        builder.take(line, begin);
        begin += line.text.size();
    }
    return builder.result();
}
