// SPDX-License-Identifier: MIT
// The program as a user meets it, each run in a fresh process: from starting
// it to the main window's first paint, beside minimal_window (a plain Qt
// window with the same controls) started in turn so that both meet the same
// machine load; and the first print of a session beside a reprint
// (first_print_probe). Counters are medians over the runs.

#include "ChildRun.h"
#include "PairedRuns.h"
#include "Statistics.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> Offscreen = {"QT_QPA_PLATFORM=offscreen"};

// The program and the floor end themselves once they have first painted;
// each starts as on a first run, without the page a user left.
ChildRun startToFirstPaint(const char *program, const char *language = "LANGUAGE=en")
{
    const QTemporaryDir configuration;
    return runProgram({program}, {"QT_QPA_PLATFORM=offscreen", std::string("LD_PRELOAD=") + QUIT_ON_FIRST_PAINT,
                                  language, "XDG_CONFIG_HOME=" + configuration.path().toStdString()});
}

void StartToFirstPaint(benchmark::State &state)
{
    PairedRuns runs("minimal", "program");
    for (auto _ : state) {
        if (!runs.add(state, startToFirstPaint(MINIMAL_WINDOW_PROGRAM), startToFirstPaint(MONTHLY_CALENDAR_PROGRAM)))
            return;
    }
    runs.report(state);
}
BENCHMARK(StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// The same start with the German translation and Qt's loaded, beside the
// English start in turn.
void StartInGermanBesideEnglish(benchmark::State &state)
{
    PairedRuns runs("english", "german");
    for (auto _ : state) {
        if (!runs.add(state, startToFirstPaint(MONTHLY_CALENDAR_PROGRAM),
                      startToFirstPaint(MONTHLY_CALENDAR_PROGRAM, "LANGUAGE=de")))
            return;
    }
    runs.report(state);
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
