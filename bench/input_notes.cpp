// SPDX-License-Identifier: MIT
// Reading control files: a million-line file of the usual tags beside the
// floor of merely splitting it into lines of text, and the largest files
// read, of one kind of line each. Every read runs in a child forked once the
// file is written, so its CPU time and peak memory are its own.
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "page/CalendarPage.h"

#include "ChildRun.h"
#include "Files.h"
#include "Statistics.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr qint64 Megabyte = 1024 * 1024;

QByteArray dayLine(int i)
{
    return "DAY " + QByteArray::number(i % 31 + 1) + " Planting day at the allotment " + QByteArray::number(i);
}

QByteArray birthdayLine(int i)
{
    return "BIR " + QByteArray::number(i % 12 + 1) + "/" + QByteArray::number(i % 28 + 1) + "/"
           + QByteArray::number(1900 + i % 100) + " Grandfather " + QByteArray::number(i);
}

QByteArray namedBirthdayLine(int i)
{
    static const char *const months[] = {"January", "February", "March", "April", "May", "June", "July",
                                         "August", "September", "October", "November", "December"};
    return "BIR " + QByteArray::number(i % 28 + 1) + "-" + months[i % 12] + "-" + QByteArray::number(1900 + i % 100)
           + " Grandfather " + QByteArray::number(i);
}

QByteArray ruleDatedLine(int i)
{
    return "DTM " + QByteArray::number(1 + i % 4) + " " + QByteArray::number(1 + i % 7) + " Committee " + QByteArray::number(i);
}

// What a long-kept family calendar holds: mostly day notes and birthdays.
QByteArray usualLine(int i)
{
    switch (i % 10) {
    case 0: case 1: case 2: case 3: return dayLine(i);
    case 4: case 5: return birthdayLine(i);
    case 6: case 7: return ruleDatedLine(i);
    case 8: return "NOT Meetings at the hall " + QByteArray::number(i);
    default: return "MSG Happy Spring " + QByteArray::number(i);
    }
}

QByteArray junkLine(int i)
{
    QRandomGenerator random(quint32(i) + 1);
    QByteArray line(int(random.bounded(1, 120)), Qt::Uninitialized);
    for (char &c : line) {
        c = char(random.bounded(1, 256));
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

NotesFileContext usContext()
{
    return {QDate(2026, 12, 8), QLocale(QLocale::English, QLocale::UnitedStates)};
}

CalendarPage marchPage()
{
    CalendarPage page;
    page.txtYear = QStringLiteral("2004");
    page.txtMonth = QStringLiteral("3");
    return page;
}

bool readByTheProgram(const QString &path)
{
    CalendarPage page = marchPage();
    ReadNotesFile(path, page, usContext());
    return std::any_of(page.strNotes.begin(), page.strNotes.end(), [](const QString &notes) { return !notes.isEmpty(); });
}

// The floor: what any reader of the file does before it knows a tag, read
// it whole, split it into lines and decode each line's text.
bool splitPlainly(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = file.readAll();
    qsizetype characters = 0;
    for (qsizetype start = 0, end = 0; start < contents.size(); start = end + 1) {
        end = contents.indexOf('\n', start);
        if (end < 0)
            end = contents.size();
        characters += QString::fromUtf8(QByteArrayView(contents).sliced(start, end - start).trimmed()).size();
    }
    benchmark::DoNotOptimize(characters);
    return true;
}

// The program's reader and the floor, interleaved, medians of each.
void BM_MillionLinesBesideLineSplitting(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QStringLiteral("notes.txt"), controlFile(usualLine, 1000000));
    const double fileMegabytes = double(QFile(path).size()) / Megabyte;
    std::vector<double> cpu, memory, plainCpu, plainMemory;
    for (auto _ : state) {
        const ChildRun run = runInChild([&] { return readByTheProgram(path); });
        const ChildRun plain = runInChild([&] { return splitPlainly(path); });
        cpu.push_back(run.cpuSeconds);
        memory.push_back(run.addedMegabytes);
        plainCpu.push_back(plain.cpuSeconds);
        plainMemory.push_back(plain.addedMegabytes);
        state.SetIterationTime(run.cpuSeconds);
    }
    state.counters["fileMB"] = fileMegabytes;
    state.counters["cpuMs"] = median(cpu) * 1000;
    state.counters["plainCpuMs"] = median(plainCpu) * 1000;
    state.counters["ratio"] = median(cpu) / median(plainCpu);
    state.counters["addedMB"] = median(memory);
    state.counters["beyondFileMB"] = median(memory) - fileMegabytes;
    state.counters["plainAddedMB"] = median(plainMemory);
}

BENCHMARK(BM_MillionLinesBesideLineSplitting)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

struct LargeFile
{
    const char *name;
    LineMaker line;
};

QByteArray mixedLine(int i)
{
    switch (i % 6) {
    case 0: return "DAY " + QByteArray::number(i % 31 + 1) + " Planting";
    case 1: return "NOT Meetings " + QByteArray::number(i);
    case 2: return "BIR 3/" + QByteArray::number(i % 28 + 1) + "/1950 Grandfather";
    case 3: return "DTM 2 3 Committee";
    case 4: return "MON " + QByteArray::number(1 + i % 12);
    default: return "HDR Header " + QByteArray::number(i);
    }
}

const LargeFile largeFiles[] = {
    {"RuleDatedLines", ruleDatedLine},
    {"BirthdayLinesVaried", birthdayLine},
    {"BirthdayLinesNamedMonths", namedBirthdayLine},
    // The date ends at the first blank: "March" is no date.
    {"BirthdayLinesWithoutDate", [](int i) { return "BIR March " + QByteArray::number(i % 28 + 1) + ", 1950 Grandfather"; }},
    {"BirthdayLinesIdentical", [](int) { return QByteArray("BIR 3/17/1950 Grandfather"); }},
    {"DayLines", dayLine},
    {"UsualLines", usualLine},
    // The month changes under the notes already read.
    {"MixedLines", mixedLine},
    {"JunkLines", junkLine},
    {"OneDayLine", [](int) { return "DAY 5 " + QByteArray(LargestControlFile - 8, 'x'); }},
};

void BM_Read64Megabytes(benchmark::State &state, const LargeFile &kind)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QStringLiteral("notes.txt"), controlFile(kind.line, LargestControlFile));
    for (auto _ : state) {
        const ChildRun run = runInChild([&] { return readByTheProgram(path); });
        state.SetIterationTime(run.cpuSeconds);
        state.counters["cpuMs"] = run.cpuSeconds * 1000;
        state.counters["addedMB"] = run.addedMegabytes;
        state.counters["peakMB"] = run.peakMegabytes;
        state.counters["done"] = run.done;
    }
    state.counters["fileMB"] = double(QFile(path).size()) / Megabyte;
}

// One benchmark per kind of file.
[[maybe_unused]] const bool Registered = [] {
    for (const LargeFile &kind : largeFiles) {
        benchmark::RegisterBenchmark((std::string("BM_Read64Megabytes/") + kind.name).c_str(), BM_Read64Megabytes, kind)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    }
    return true;
}();

} // namespace
