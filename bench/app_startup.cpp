// SPDX-License-Identifier: MIT
// The program as a user meets it, each run in a fresh process: from starting
// it to the main window's first paint, beside minimal_window (a plain Qt
// window with the same controls) started in turn so that both meet the same
// machine load; and the first print of a session beside a reprint
// (first_print_probe). Counters are medians over the runs.

#include "ChildRun.h"
#include "Statistics.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> Offscreen = {"QT_QPA_PLATFORM=offscreen"};

// The program and the floor end themselves once they have first painted.
ChildRun startToFirstPaint(const char *program, const char *language = "LANGUAGE=en")
{
    return runProgram({program},
                      {"QT_QPA_PLATFORM=offscreen", std::string("LD_PRELOAD=") + QUIT_ON_FIRST_PAINT, language});
}

void StartToFirstPaint(benchmark::State &state)
{
    std::vector<double> program, minimal, programCpu, minimalCpu;
    double peakMegabytes = 0;
    for (auto _ : state) {
        const ChildRun floor = startToFirstPaint(MINIMAL_WINDOW_PROGRAM);
        const ChildRun run = startToFirstPaint(MONTHLY_CALENDAR_PROGRAM);
        if (!floor.done || !run.done) {
            state.SkipWithError("a program failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        program.push_back(run.seconds * 1000);
        minimal.push_back(floor.seconds * 1000);
        programCpu.push_back(run.cpuSeconds * 1000);
        minimalCpu.push_back(floor.cpuSeconds * 1000);
        peakMegabytes = std::max(peakMegabytes, run.peakMegabytes);
    }
    state.counters["program_ms"] = median(program);
    state.counters["minimal_ms"] = median(minimal);
    state.counters["ratio"] = median(program) / median(minimal);
    // CPU time of the program itself: the wall time also counts waiting for
    // a busy machine.
    state.counters["cpu_ms"] = median(programCpu);
    state.counters["cpu_ratio"] = median(programCpu) / median(minimalCpu);
    state.counters["peak_MB"] = peakMegabytes;
}
BENCHMARK(StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// The same start with the German translation and Qt's loaded, beside the
// English start in turn.
void StartInGermanBesideEnglish(benchmark::State &state)
{
    std::vector<double> english, german, englishCpu, germanCpu;
    for (auto _ : state) {
        const ChildRun source = startToFirstPaint(MONTHLY_CALENDAR_PROGRAM);
        const ChildRun translated = startToFirstPaint(MONTHLY_CALENDAR_PROGRAM, "LANGUAGE=de");
        if (!source.done || !translated.done) {
            state.SkipWithError("a start failed");
            return;
        }
        state.SetIterationTime(translated.seconds);
        english.push_back(source.seconds * 1000);
        german.push_back(translated.seconds * 1000);
        englishCpu.push_back(source.cpuSeconds * 1000);
        germanCpu.push_back(translated.cpuSeconds * 1000);
    }
    state.counters["english_ms"] = median(english);
    state.counters["german_ms"] = median(german);
    state.counters["ratio"] = median(german) / median(english);
    state.counters["cpu_ratio"] = median(germanCpu) / median(englishCpu);
}
BENCHMARK(StartInGermanBesideEnglish)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// Milliseconds of the first print and of a reprint, in wall time and in the
// window thread's CPU time, as the probe prints them.
struct Session
{
    double first = 0;
    double reprint = 0;
    double firstCpu = 0;
    double reprintCpu = 0;
};

bool session(const char *option, Session &times)
{
    const ChildRun run = runProgram({FIRST_PRINT_PROBE, option}, Offscreen);
    return run.done
           && std::sscanf(run.output.c_str(), "%lf %lf %lf %lf", &times.first, &times.reprint, &times.firstCpu,
                          &times.reprintCpu)
                  == 4;
}

void FirstPrintBesideReprint(benchmark::State &state, const char *option)
{
    std::vector<double> firsts, reprints, firstCpus, reprintCpus;
    for (auto _ : state) {
        Session times;
        if (!session(option, times)) {
            state.SkipWithError("the session failed");
            return;
        }
        state.SetIterationTime(times.first / 1000);
        firsts.push_back(times.first);
        reprints.push_back(times.reprint);
        firstCpus.push_back(times.firstCpu);
        reprintCpus.push_back(times.reprintCpu);
    }
    state.counters["first_ms"] = median(firsts);
    state.counters["reprint_ms"] = median(reprints);
    state.counters["ratio"] = median(firsts) / median(reprints);
    // Each print waits for its file to reach the disk, which on a busy
    // machine varies more than the work before it.
    state.counters["cpu_ratio"] = median(firstCpus) / median(reprintCpus);
    state.counters["first_cpu_ms"] = median(firstCpus);
}
BENCHMARK_CAPTURE(FirstPrintBesideReprint, prepared, "--prepared")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(FirstPrintBesideReprint, cold, "--cold")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);
// The first print's time includes picking a 12-megapixel photo.
BENCHMARK_CAPTURE(FirstPrintBesideReprint, photo, "--photo")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

} // namespace
