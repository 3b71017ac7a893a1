// SPDX-License-Identifier: MIT
// Reading control files: a million-line file of the usual tags beside a
// plain reader doing the same work (the floor), and 64 MB files of one kind
// of line each. Every read runs in a child forked once the file is written,
// so its CPU time and peak memory are its own.
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "surface/CalendarPage.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr qint64 Megabyte = 1024 * 1024;
// Just within the largest control file read.
constexpr qint64 FileLimit = 64 * Megabyte - 128;

using Line = std::function<QByteArray(int)>;

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

QByteArray linesOf(const Line &line, qint64 lines, qint64 bytes)
{
    QByteArray file;
    for (int i = 0; i < lines && file.size() < bytes; ++i)
        file += line(i) + "\r\n";
    return file;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &contents)
{
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(contents);
    return path;
}

struct ChildRun
{
    double cpuSeconds = 0;
    // Peak resident memory above what the child held when it started.
    double addedMegabytes = 0;
    double peakMegabytes = 0;
};

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    }
    return 0;
}

ChildRun inChild(const std::function<void()> &work)
{
    int results[2];
    if (::pipe(results) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const double startMegabytes = residentMegabytes();
        const double start = cpuSeconds();
        work();
        ChildRun run{cpuSeconds() - start, 0, 0};
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        run.peakMegabytes = usage.ru_maxrss / 1024.0;
        run.addedMegabytes = run.peakMegabytes - startMegabytes;
        (void)!::write(results[1], &run, sizeof run);
        ::_exit(0);
    }
    ChildRun run;
    if (::read(results[0], &run, sizeof run) != sizeof run)
        run = {};
    ::waitpid(child, nullptr, 0);
    ::close(results[0]);
    ::close(results[1]);
    return run;
}

NotesFileContext usContext()
{
    return {{}, QDate(2026, 12, 8), QLocale(QLocale::English, QLocale::UnitedStates)};
}

CalendarPage marchPage()
{
    CalendarPage page;
    page.txtYear = QStringLiteral("2004");
    page.txtMonth = QStringLiteral("3");
    return page;
}

void readByTheProgram(const QString &path)
{
    CalendarPage page = marchPage();
    ReadNotesFile(path, page, usContext());
    benchmark::DoNotOptimize(page.strNotes);
}

// The floor: the same lines with the same effects, written as directly as
// one can for this file's forms (numbers by from_chars, month/day/year
// dates, notes made and appended only up to the seven a cell prints).
class PlainReader
{
    static constexpr int PrintedNotes = 7;

public:
    void read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QByteArray contents = file.readAll();
        std::string_view rest(contents.constData(), size_t(contents.size()));
        while (!rest.empty()) {
            const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
            readLine(rest.substr(0, end));
            rest.remove_prefix(std::min(rest.size(), end + (rest.substr(end, 2) == "\r\n" ? 2 : 1)));
        }
    }

    CalendarPage page = marchPage();

private:
    static std::string_view trimmed(std::string_view text)
    {
        const size_t begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return {};
        return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
    }

    static QString text(std::string_view bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }

    static int number(std::string_view &text)
    {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        text.remove_prefix(size_t(end - text.data()));
        return error == std::errc() ? value : -1;
    }

    bool takes(int day) const { return day >= 1 && day <= 31 && m_notes[day - 1] < PrintedNotes; }

    void append(int day, const QString &note)
    {
        ++m_notes[day - 1];
        QString &entry = page.strNotes[day - 1];
        if (!entry.isEmpty())
            entry += QLatin1StringView(" ^ ");
        entry += note;
    }

    void readLine(std::string_view line)
    {
        line = trimmed(line);
        if (line.size() < 3)
            return;
        std::string tag(line.substr(0, 3));
        std::transform(tag.begin(), tag.end(), tag.begin(), [](char c) { return char(std::toupper(c)); });
        const size_t space = line.find(' ');
        std::string_view value = space == std::string_view::npos ? line : trimmed(line.substr(space + 1));
        if (tag == "HDR") {
            page.txtHeader = text(value);
        } else if (tag == "NOT") {
            if (m_notesTaken < 5)
                page.txtMessage[m_notesTaken++] = text(value);
        } else if (tag == "MSG") {
            page.txtMessage[5] = text(value);
        } else if (tag == "DAY") {
            const int day = number(value);
            if (!value.empty() && takes(day))
                append(day, text(value.substr(1)));
        } else if (tag == "BIR") {
            number(value);
            value.remove_prefix(1);
            const int day = number(value);
            value.remove_prefix(1);
            const int year = number(value);
            if (year > 1850 && year < 2026 && takes(day))
                append(day, text(trimmed(value)) + QLatin1StringView(" is ") + QString::number(2026 - year));
        } else if (tag == "DTM") {
            const int occurrence = number(value);
            value.remove_prefix(1);
            const int weekday = number(value);
            const QDate first(page.txtYear.toInt(), page.txtMonth.toInt(), 1);
            const int firstWeekday = first.dayOfWeek() % 7 + 1;
            const int day = (weekday - firstWeekday + 7) % 7 + 1 + (occurrence - 1) * 7;
            if (takes(day))
                append(day, text(trimmed(value)));
        }
    }

    int m_notesTaken = 0;
    std::array<int, 31> m_notes{};
};

void readPlainly(const QString &path)
{
    PlainReader reader;
    reader.read(path);
    benchmark::DoNotOptimize(reader.page.strNotes);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The program's reader and the plain one, interleaved, medians of each.
void BM_MillionLinesBesidePlainReader(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, linesOf(usualLine, 1000000, FileLimit));
    const double fileMegabytes = double(QFile(path).size()) / Megabyte;
    std::vector<double> cpu, memory, plainCpu, plainMemory;
    for (auto _ : state) {
        const ChildRun run = inChild([&] { readByTheProgram(path); });
        const ChildRun plain = inChild([&] { readPlainly(path); });
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

BENCHMARK(BM_MillionLinesBesidePlainReader)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

struct LargeFile
{
    const char *name;
    Line line;
};

const LargeFile largeFiles[] = {
    {"RuleDatedLines", ruleDatedLine},
    {"BirthdayLinesVaried", birthdayLine},
    {"BirthdayLinesNamedMonths", namedBirthdayLine},
    // The date ends at the first blank: "March" is no date.
    {"BirthdayLinesWithoutDate", [](int i) { return "BIR March " + QByteArray::number(i % 28 + 1) + ", 1950 Grandfather"; }},
    {"BirthdayLinesIdentical", [](int) { return QByteArray("BIR 3/17/1950 Grandfather"); }},
    {"DayLines", dayLine},
    {"UsualLines", usualLine},
    {"JunkLines", junkLine},
    {"OneDayLine", [](int) { return "DAY 5 " + QByteArray(FileLimit - 8, 'x'); }},
};

void BM_Read64Megabytes(benchmark::State &state, const LargeFile &kind)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, linesOf(kind.line, FileLimit, FileLimit));
    for (auto _ : state) {
        const ChildRun run = inChild([&] { readByTheProgram(path); });
        state.SetIterationTime(run.cpuSeconds);
        state.counters["cpuMs"] = run.cpuSeconds * 1000;
        state.counters["addedMB"] = run.addedMegabytes;
        state.counters["peakMB"] = run.peakMegabytes;
    }
    state.counters["fileMB"] = double(QFile(path).size()) / Megabyte;
}

} // namespace

int main(int argc, char **argv)
{
    for (const LargeFile &kind : largeFiles) {
        benchmark::RegisterBenchmark((std::string("BM_Read64Megabytes/") + kind.name).c_str(), BM_Read64Megabytes, kind)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
