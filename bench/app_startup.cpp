// SPDX-License-Identifier: MIT
// Start-up of the whole program: from starting the process to the main
// window's first paint (the program quits right after it), on the offscreen
// platform, with the process's peak resident memory and CPU time; and the
// same beside minimal_window, a plain Qt window with the same controls,
// started in turn with the program so that both meet the same machine load.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <spawn.h>
#include <string>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

// Starts programs up to their first paint, without a screen.
class Starter
{
public:
    Starter()
    {
        for (char **entry = environ; *entry; ++entry) {
            const std::string variable = *entry;
            if (variable.rfind("QT_QPA_PLATFORM=", 0) != 0)
                m_variables.push_back(variable);
        }
        m_variables.push_back("QT_QPA_PLATFORM=offscreen");
        m_variables.push_back("MONTHLYCALENDAR_QUIT_AFTER_FIRST_PAINT=1");
        for (std::string &variable : m_variables)
            m_envp.push_back(variable.data());
        m_envp.push_back(nullptr);
        posix_spawn_file_actions_init(&m_actions);
        posix_spawn_file_actions_addopen(&m_actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    ~Starter() { posix_spawn_file_actions_destroy(&m_actions); }
    Starter(const Starter &) = delete;
    Starter &operator=(const Starter &) = delete;

    std::optional<Run> run(std::string program)
    {
        char *argv[] = {program.data(), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), &m_actions, nullptr, argv, m_envp.data()) != 0)
            return std::nullopt;
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return std::nullopt;
        return Run{std::chrono::duration<double>(end - start).count(),
                   double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                       + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6,
                   usage.ru_maxrss};
    }

private:
    std::vector<std::string> m_variables;
    std::vector<char *> m_envp;
    posix_spawn_file_actions_t m_actions;
};

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void StartToFirstPaint(benchmark::State &state)
{
    Starter starter;
    long peakKilobytes = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const std::optional<Run> run = starter.run(MONTHLY_CALENDAR_PROGRAM);
        if (!run) {
            state.SkipWithError("the program failed");
            break;
        }
        state.SetIterationTime(run->seconds);
        peakKilobytes = std::max(peakKilobytes, run->peakKilobytes);
        cpuSeconds += run->cpuSeconds;
    }
    state.counters["peak_MB"] = double(peakKilobytes) / 1024;
    // CPU time of the program itself: the wall time also counts waiting for
    // a busy machine.
    state.counters["cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

// Medians of both, and of the program's time over the minimal window's.
void StartToFirstPaintBesideMinimalWindow(benchmark::State &state)
{
    Starter starter;
    std::vector<double> program;
    std::vector<double> minimal;
    std::vector<double> programCpu;
    std::vector<double> minimalCpu;
    for (auto _ : state) {
        const std::optional<Run> floor = starter.run(MINIMAL_WINDOW_PROGRAM);
        const std::optional<Run> run = starter.run(MONTHLY_CALENDAR_PROGRAM);
        if (!floor || !run) {
            state.SkipWithError("a program failed");
            break;
        }
        state.SetIterationTime(run->seconds);
        program.push_back(run->seconds * 1000);
        minimal.push_back(floor->seconds * 1000);
        programCpu.push_back(run->cpuSeconds * 1000);
        minimalCpu.push_back(floor->cpuSeconds * 1000);
    }
    if (program.empty())
        return;
    state.counters["program_ms"] = median(program);
    state.counters["minimal_ms"] = median(minimal);
    state.counters["ratio"] = median(program) / median(minimal);
    state.counters["cpu_ratio"] = median(programCpu) / median(minimalCpu);
}

} // namespace

BENCHMARK(StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);
BENCHMARK(StartToFirstPaintBesideMinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

BENCHMARK_MAIN();
