// SPDX-License-Identifier: MIT
// Hostile calendar files and address books, each made here, beside an
// ordinary calendar: the time to read one and lay one month, and the peak
// memory of a process that does only that (a child forked once the file is
// written).
#include "HostileCalendars.h"
#include "input/CalendarFile.h"
#include "page/EventSource.h"

#include "ChildRun.h"
#include "Files.h"

#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>

namespace {

const QByteArray Plain = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\nBEGIN:VEVENT\r\nUID:committee\r\n"
                         "SUMMARY:Committee\r\nDTSTART;VALUE=DATE:20040309\r\nRRULE:FREQ=MONTHLY;BYDAY=2TU\r\n"
                         "END:VEVENT\r\nEND:VCALENDAR\r\n";

void readAndLay(benchmark::State &state, const QString &fileName, const QByteArray &data)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, fileName, data);
    for (auto _ : state) {
        const ChildRun run = runInChild([&] {
            const CalendarFileRead read = readCalendarFile(path, QTimeZone("Europe/Berlin"));
            DayNotes strNotes;
            if (read.events)
                read.events->addNotes(strNotes, 2027, 3, QLocale(QLocale::English, QLocale::UnitedKingdom));
            return read.events || read.refusal;
        });
        state.SetIterationTime(run.seconds);
        state.counters["cpuMs"] = run.cpuSeconds * 1000;
        state.counters["peakRssMB"] = run.peakMegabytes;
        state.counters["addedMB"] = run.addedMegabytes;
        state.counters["done"] = run.done;
    }
    state.counters["fileMB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}

[[maybe_unused]] const bool Registered = [] {
    const auto add = [](const std::string &name, const QString &fileName, const QByteArray &data) {
        benchmark::RegisterBenchmark(("Calendar/" + name).c_str(), readAndLay, fileName, data)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    };
    add("Plain", QStringLiteral("club.ics"), Plain);
    for (const HostileCalendar &calendar : hostileCalendars())
        add(calendar.name, QString::fromLatin1(calendar.fileName), calendar.make());
    return true;
}();

} // namespace
