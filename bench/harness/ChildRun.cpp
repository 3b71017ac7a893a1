// SPDX-License-Identifier: MIT
#include "ChildRun.h"

#include "ProcessUsage.h"

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Measured
{
    bool done;
    double seconds;
    double cpuSeconds;
    double peakMegabytes;
    double addedMegabytes;
};

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

std::string nameOf(const std::string &variable)
{
    return variable.substr(0, variable.find('='));
}

std::vector<std::string> environmentWith(const std::vector<std::string> &variables)
{
    std::vector<std::string> environment = variables;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        bool replaced = false;
        for (const std::string &added : variables)
            replaced = replaced || nameOf(added) == nameOf(variable);
        if (!replaced)
            environment.push_back(variable);
    }
    return environment;
}

std::vector<char *> pointersTo(std::vector<std::string> &strings)
{
    std::vector<char *> pointers;
    for (std::string &string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string readAll(int handle)
{
    std::string text;
    char buffer[4096];
    for (ssize_t size; (size = ::read(handle, buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(size));
    return text;
}

} // namespace

ChildRun runInChild(const std::function<bool()> &work)
{
    int results[2];
    if (::pipe(results) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const double startMegabytes = residentMegabytes();
        const double startCpu = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        Measured measured{};
        measured.done = work();
        measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        measured.cpuSeconds = cpuSeconds() - startCpu;
        measured.peakMegabytes = peakMegabytes();
        measured.addedMegabytes = measured.peakMegabytes - startMegabytes;
        (void)!::write(results[1], &measured, sizeof measured);
        ::_exit(0);
    }
    ::close(results[1]);
    Measured measured{};
    const bool reported = child > 0 && ::read(results[0], &measured, sizeof measured) == sizeof measured;
    ::close(results[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    if (!reported)
        return {};
    return {measured.done, measured.seconds, measured.cpuSeconds, measured.peakMegabytes, measured.addedMegabytes, {}};
}

ChildRun runProgram(std::vector<std::string> arguments, const std::vector<std::string> &variables)
{
    int out[2];
    if (::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> environment = environmentWith(variables);
    const std::vector<char *> argv = pointersTo(arguments);
    const std::vector<char *> envp = pointersTo(environment);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ChildRun run;
    run.output = started ? readAll(out[0]) : std::string();
    ::close(out[0]);
    if (!started)
        return {};
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.done = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.peakMegabytes = double(usage.ru_maxrss) / 1024;
    return run;
}
