// SPDX-License-Identifier: MIT
// Start-up of the whole program: from starting the process to the main
// window's first paint (the program quits right after it), on the offscreen
// platform, with the process's peak resident memory and CPU time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::vector<std::string> startEnvironment()
{
    std::vector<std::string> variables;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind("QT_QPA_PLATFORM=", 0) != 0)
            variables.push_back(variable);
    }
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back("MONTHLYCALENDAR_QUIT_AFTER_FIRST_PAINT=1");
    return variables;
}

void StartToFirstPaint(benchmark::State &state)
{
    std::vector<std::string> variables = startEnvironment();
    std::vector<char *> envp;
    for (std::string &variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string program = MONTHLY_CALENDAR_PROGRAM;
    char *argv[] = {program.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    long peakKilobytes = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        const auto end = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
        cpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                    + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["peak_MB"] = double(peakKilobytes) / 1024;
    // CPU time of the program itself: the wall time also counts waiting for
    // a busy machine.
    state.counters["cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

BENCHMARK_MAIN();
