// SPDX-License-Identifier: MIT
#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include "ChildRun.h"
#include "Files.h"
#include "ProcessUsage.h"
#include "Statistics.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>

namespace {

const QTimeZone Berlin("Europe/Berlin");

QByteArray number(int value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0');
}

// Contacts as address books export them: a third each in vCard 2.1, 3.0 and
// 4.0, every one with a phone and an e-mail, most with a birthday.
QByteArray addressBook(int contacts)
{
    QByteArray file;
    for (int i = 0; i < contacts; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray date = number(1930 + i % 90, 4) + number(1 + i % 12, 2) + number(1 + i % 28, 2);
        switch (i % 3) {
        case 0:
            file += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller " + n
                    + ";J=C3=BCrgen;;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller " + n
                    + "\r\nTEL;CELL:+49 170 " + n + "\r\nBDAY:" + date + "\r\nEND:VCARD\r\n";
            break;
        case 1:
            file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith " + n + ";Ann;;;\r\nFN:Ann Smith " + n
                    + "\r\nitem1.EMAIL;type=INTERNET;type=pref:ann" + n + "@example.com\r\nBDAY:" + date.first(4) + '-'
                    + date.sliced(4, 2) + '-' + date.sliced(6) + "\r\nEND:VCARD\r\n";
            break;
        default:
            file += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Tom Baker " + n + "\r\nN:Baker " + n + ";Tom;;;\r\nEMAIL:tom" + n
                    + "@example.com\r\n" + (i % 5 ? "BDAY:--" + date.sliced(4) + "\r\n" : QByteArray()) + "END:VCARD\r\n";
            break;
        }
    }
    return file;
}

const QByteArray BerlinZone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
                              "TZOFFSETTO:+0200\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                              "END:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                              "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
                              "END:VTIMEZONE\r\n";

// Ten years of events, a tenth of them repeating by the rules calendar
// programs write, in Berlin time, in UTC and all-day.
QByteArray calendar(int events)
{
    static const QByteArray rules[] = {
        "RRULE:FREQ=WEEKLY;BYDAY=WE\r\nEXDATE;TZID=Europe/Berlin:20270120T193000\r\n",
        "RRULE:FREQ=MONTHLY;BYDAY=2TU\r\n",
        "RRULE:FREQ=YEARLY\r\n",
        "RRULE:FREQ=DAILY;COUNT=30\r\n",
        "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH;UNTIL=20291231T230000Z\r\n",
    };
    QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n" + BerlinZone;
    for (int i = 0; i < events; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray date = number(2020 + i % 10, 4) + number(1 + i % 12, 2) + number(1 + i % 28, 2);
        file += "BEGIN:VEVENT\r\nUID:event-" + n + "@example.com\r\nDTSTAMP:20261201T101500Z\r\nSUMMARY:Meeting " + n
                + "\r\n";
        switch (i % 3) {
        case 0:
            file += "DTSTART;TZID=Europe/Berlin:" + date + "T193000\r\nDTEND;TZID=Europe/Berlin:" + date + "T210000\r\n";
            break;
        case 1: file += "DTSTART:" + date + "T090000Z\r\nDTEND:" + date + "T100000Z\r\n"; break;
        default: file += "DTSTART;VALUE=DATE:" + date + "\r\n"; break;
        }
        if (i % 10 == 0)
            file += rules[(i / 10) % 5];
        file += "LOCATION:Hall\r\nSTATUS:CONFIRMED\r\nEND:VEVENT\r\n";
    }
    return file + "END:VCALENDAR\r\n";
}

// Events that all repeat, weekly, monthly and yearly, each a third counted,
// until a date and open, in Berlin (the file's zone), New York and Tokyo;
// or the same events once each.
QByteArray recurringCalendar(int events, bool repeating = true)
{
    static const QByteArray rules[] = {"FREQ=WEEKLY;BYDAY=MO,TH", "FREQ=MONTHLY;BYDAY=2TU", "FREQ=YEARLY;BYMONTH=6"};
    static const QByteArray ends[] = {";COUNT=40", ";UNTIL=20301231T000000Z", ""};
    static const QByteArray zones[] = {"Europe/Berlin", "America/New_York", "Asia/Tokyo"};
    QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n" + BerlinZone;
    for (int i = 0; i < events; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray date = number(2020 + i % 7, 4) + number(1 + i % 12, 2) + number(1 + i % 28, 2);
        file += "BEGIN:VEVENT\r\nUID:repeat-" + n + "@example.com\r\nSUMMARY:Meeting " + n + "\r\nDTSTART;TZID="
                + zones[(i / 9) % 3] + ':' + date + "T0" + QByteArray::number(i % 10) + "3000\r\n"
                + (repeating ? "RRULE:" + rules[i % 3] + ends[(i / 3) % 3] + "\r\n" : QByteArray()) + "END:VEVENT\r\n";
    }
    return file + "END:VCALENDAR\r\n";
}

// Rules with a COUNT, as calendar programs write them.
QByteArray countedCalendar(int events)
{
    static const QByteArray rules[] = {"FREQ=DAILY;COUNT=30", "FREQ=WEEKLY;BYDAY=TU;COUNT=52",
                                       "FREQ=MONTHLY;BYMONTHDAY=15;COUNT=24", "FREQ=YEARLY;COUNT=10"};
    QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n" + BerlinZone;
    for (int i = 0; i < events; ++i) {
        const QByteArray date = number(2020 + i % 7, 4) + number(1 + i % 12, 2) + number(1 + i % 28, 2);
        file += "BEGIN:VEVENT\r\nUID:count-" + QByteArray::number(i) + "\r\nSUMMARY:Course\r\nDTSTART;TZID=Europe/Berlin:"
                + date + "T180000\r\nRRULE:" + rules[i % 4] + "\r\nEND:VEVENT\r\n";
    }
    return file + "END:VCALENDAR\r\n";
}

void BM_ReadAddressBook(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray data = addressBook(int(state.range(0)));
    const QString path = writtenFile(dir, QStringLiteral("contacts.vcf"), data);
    for (auto _ : state)
        benchmark::DoNotOptimize(readCalendarFile(path, Berlin));
    state.counters["fileMB"] = data.size() / 1e6;
    state.counters["peakRssMB"] = peakMegabytes();
}

void BM_ReadCalendar(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray data = calendar(int(state.range(0)));
    const QString path = writtenFile(dir, QStringLiteral("club.ics"), data);
    for (auto _ : state)
        benchmark::DoNotOptimize(readCalendarFile(path, Berlin));
    state.counters["fileMB"] = data.size() / 1e6;
    state.counters["peakRssMB"] = peakMegabytes();
}

// Both files attached; the notes of one month, as each print lays them.
void BM_NotesOfMonth(benchmark::State &state)
{
    QTemporaryDir dir;
    const CalendarFileRead read =
        readCalendarFiles({writtenFile(dir, QStringLiteral("contacts.vcf"), addressBook(5000)),
                           writtenFile(dir, QStringLiteral("club.ics"), calendar(10000))},
                          Berlin);
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    int notes = 0;
    for (auto _ : state) {
        DayNotes strNotes;
        read.events->addNotes(strNotes, 2027, int(state.range(0)), locale);
        benchmark::DoNotOptimize(strNotes);
        notes = 0;
        for (const QString &entry : strNotes)
            notes += entry.isEmpty() ? 0 : int(entry.count(QStringLiteral(" ^ "))) + 1;
    }
    state.counters["notes"] = notes;
    state.counters["peakRssMB"] = peakMegabytes();
}

// The parts of the whole-process figure below: reading the 10,000 recurring
// events, and laying one month of them.
void BM_ReadRecurring(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QStringLiteral("repeats.ics"), recurringCalendar(10000));
    for (auto _ : state)
        benchmark::DoNotOptimize(readCalendarFile(path, Berlin));
}

void BM_NotesOfRecurringMonth(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QStringLiteral("repeats.ics"), recurringCalendar(10000));
    const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh read: the notes of the month last laid are kept.
        const CalendarFileRead read = readCalendarFile(path, Berlin);
        state.ResumeTiming();
        DayNotes strNotes;
        read.events->addNotes(strNotes, 2027, 6, locale);
        benchmark::DoNotOptimize(strNotes);
    }
}

void BM_ReadCountedRules(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QStringLiteral("courses.ics"), countedCalendar(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(readCalendarFile(path, Berlin));
}

// The program printing one month with 10,000 repeating events and 5,000
// contacts attached, beside it printing the same page without them and
// with the same events once each.
void BM_RecurringMonthBesidePlainPage(benchmark::State &state)
{
    QTemporaryDir dir;
    const std::string calendar = writtenFile(dir, QStringLiteral("repeats.ics"), recurringCalendar(10000)).toStdString();
    const std::string contacts = writtenFile(dir, QStringLiteral("contacts.vcf"), addressBook(5000)).toStdString();
    const std::string out = dir.filePath(QStringLiteral("out.pdf")).toStdString();
    const std::vector<std::string> page = {MONTHLY_CALENDAR_PROGRAM, "--print", "--year", "2027", "--month", "6",
                                           "--force", "--output", out};
    const std::string once = writtenFile(dir, QStringLiteral("once.ics"), recurringCalendar(10000, false)).toStdString();
    std::vector<std::string> withEvents = page;
    withEvents.insert(withEvents.end(), {"--events", calendar, "--events", contacts});
    std::vector<std::string> withSingleEvents = page;
    withSingleEvents.insert(withSingleEvents.end(), {"--events", once, "--events", contacts});
    const std::vector<std::string> variables = {"QT_QPA_PLATFORM=offscreen", "HOME=" + dir.path().toStdString()};
    std::vector<double> cpu, plainCpu, singleCpu;
    for (auto _ : state) {
        const ChildRun plain = runProgram(page, variables);
        const ChildRun run = runProgram(withEvents, variables);
        const ChildRun single = runProgram(withSingleEvents, variables);
        if (!plain.done || !run.done || !single.done) {
            state.SkipWithError("the program failed");
            return;
        }
        cpu.push_back(run.cpuSeconds);
        plainCpu.push_back(plain.cpuSeconds);
        singleCpu.push_back(single.cpuSeconds);
        state.SetIterationTime(run.seconds);
    }
    state.counters["cpuMs"] = median(cpu) * 1000;
    state.counters["plainCpuMs"] = median(plainCpu) * 1000;
    state.counters["ratio"] = median(cpu) / median(plainCpu);
    state.counters["onceCpuMs"] = median(singleCpu) * 1000;
    state.counters["ratioToOnce"] = median(cpu) / median(singleCpu);
}

BENCHMARK(BM_ReadAddressBook)->ArgName("contacts")->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCalendar)->ArgName("events")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesOfMonth)->ArgName("month")->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecurring)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesOfRecurringMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCountedRules)->ArgName("events")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecurringMonthBesidePlainPage)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

