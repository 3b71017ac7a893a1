// SPDX-License-Identifier: MIT
// The first print after the program starts beside a reprint in the same
// session, through the real main window in a fresh process each time
// (first_print_probe), with and without the preparation after the window's
// first paint. Counters are medians over the sessions.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Milliseconds of the first print and of a reprint, in wall time and in
// the window thread's CPU time.
struct Session
{
    double first = 0;
    double reprint = 0;
    double firstCpu = 0;
    double reprintCpu = 0;
};

bool session(const std::string &command, Session &times)
{
    FILE *out = popen(command.c_str(), "r");
    if (!out)
        return false;
    const bool read =
        std::fscanf(out, "%lf %lf %lf %lf", &times.first, &times.reprint, &times.firstCpu, &times.reprintCpu) == 4;
    return pclose(out) == 0 && read;
}

void FirstPrintBesideReprint(benchmark::State &state, const char *option)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string command = std::string(FIRST_PRINT_PROBE) + ' ' + option + " 2>/dev/null";
    std::vector<double> firsts;
    std::vector<double> reprints;
    std::vector<double> firstCpus;
    std::vector<double> reprintCpus;
    for (auto _ : state) {
        Session times;
        if (!session(command, times)) {
            state.SkipWithError("the session failed");
            break;
        }
        state.SetIterationTime(times.first / 1000);
        firsts.push_back(times.first);
        reprints.push_back(times.reprint);
        firstCpus.push_back(times.firstCpu);
        reprintCpus.push_back(times.reprintCpu);
    }
    if (firsts.empty())
        return;
    state.counters["first_ms"] = median(firsts);
    state.counters["reprint_ms"] = median(reprints);
    state.counters["ratio"] = median(firsts) / median(reprints);
    // Each print waits for its file to reach the disk, which on a busy
    // machine varies more than the work before it.
    state.counters["cpu_ratio"] = median(firstCpus) / median(reprintCpus);
    state.counters["first_cpu_ms"] = median(firstCpus);
}

} // namespace

BENCHMARK_CAPTURE(FirstPrintBesideReprint, prepared, "")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK_CAPTURE(FirstPrintBesideReprint, cold, "--cold")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);
// The first print's time includes picking a 12-megapixel photo.
BENCHMARK_CAPTURE(FirstPrintBesideReprint, photo, "--photo")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

BENCHMARK_MAIN();
