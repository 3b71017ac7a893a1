// SPDX-License-Identifier: MIT
#include "HostileCalendars.h"

#include <QDate>

namespace {

const QByteArray Fair = "BEGIN:VEVENT\r\nUID:fair\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20270311\r\nEND:VEVENT\r\n";

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

// libical's parser goes over a line once for every property of it.
QByteArray longLine()
{
    return calendarOf("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270310\r\nSUMMARY:" + QByteArray(8 << 20, 'x')
                      + "\r\nEND:VEVENT\r\n" + Fair);
}

QByteArray manyObservances()
{
    QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Hostile\r\n";
    for (int year = 0; year < 20000; ++year) {
        zone += "BEGIN:STANDARD\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nDTSTART:"
                + QByteArray::number(1000 + year % 9000) + "1025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                + "END:STANDARD\r\n";
    }
    return calendarOf(zone + "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nSUMMARY:Talk\r\n"
                      + "DTSTART;TZID=Hostile:20270312T100000\r\nEND:VEVENT\r\n" + Fair);
}

// libical works out a zone's changes from its first to the year converted.
QByteArray zoneRulesForCenturies()
{
    QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Hostile\r\n";
    for (int year = 1400; year < 1860; ++year) {
        zone += "BEGIN:STANDARD\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nDTSTART:" + QByteArray::number(year)
                + "1025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n";
    }
    return calendarOf(zone + "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nSUMMARY:Talk\r\n"
                      + "DTSTART;TZID=Hostile:20270312T100000\r\nEND:VEVENT\r\n" + Fair);
}

QByteArray farYear()
{
    return calendarOf("BEGIN:VTIMEZONE\r\nTZID:Berlin\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                      "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
                      "END:VTIMEZONE\r\nBEGIN:VEVENT\r\nSUMMARY:Launch\r\nDTSTART;TZID=Berlin:99990312T100000\r\n"
                      "END:VEVENT\r\n" + Fair);
}

QByteArray foldedCard()
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nNOTE" + QByteArray("\r\n x").repeated(1000000)
           + "\r\nFN:Ann\r\nBDAY:1950-03-17\r\nEND:VCARD\r\n";
}

QByteArray dailyEvents()
{
    QByteArray events;
    const QDate first(2000, 1, 1);
    for (int i = 0; i < 180000; ++i) {
        events += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:"
                  + first.addDays(i).toString(u"yyyyMMdd").toLatin1() + "\r\nSUMMARY:Day " + QByteArray::number(i)
                  + "\r\nEND:VEVENT\r\n";
    }
    return calendarOf(events);
}

// Each instance of a daily event was compared with every EXDATE.
QByteArray manyExcludedDays()
{
    QByteArray lines;
    const QDate first(2000, 1, 1);
    for (int line = 0; line < 100; ++line) {
        lines += "EXDATE;TZID=Europe/Berlin:";
        for (int i = 0; i < 1000; ++i)
            lines += (i ? "," : "") + first.addDays(line * 1000 + i).toString(u"yyyyMMdd").toLatin1() + "T090000";
        lines += "\r\n";
    }
    return calendarOf("BEGIN:VEVENT\r\nUID:daily\r\nSUMMARY:Daily\r\nDTSTART;TZID=Europe/Berlin:20000101T090000\r\n"
                      "RRULE:FREQ=DAILY\r\n" + lines + "END:VEVENT\r\n" + Fair);
}

QByteArray carriageReturnCards()
{
    return QByteArray("BEGIN:VCARD\rVERSION:2.1\rFN:Ann\rBDAY:19500317\rEND:VCARD\r").repeated(200000);
}

} // namespace

const std::vector<HostileCalendar> &hostileCalendars()
{
    static const std::vector<HostileCalendar> calendars{
        {"EightMegabyteLine", "line.ics", longLine, 5000},
        {"TwentyThousandObservances", "zone.ics", manyObservances, 1000},
        {"ZoneRulesForCenturies", "centuries.ics", zoneRulesForCenturies, 1000},
        {"EventInTheYear9999", "far.ics", farYear, 1000},
        {"CardFoldedAMillionTimes", "folded.vcf", foldedCard, 5000},
        {"DailyEventsFor500Years", "daily.ics", dailyEvents, 5000},
        {"CarriageReturnCards", "mac.vcf", carriageReturnCards, 5000},
        {"HundredThousandExcludedDays", "excluded.ics", manyExcludedDays, 1000},
    };
    return calendars;
}
