// SPDX-License-Identifier: MIT
// Loading the 4000 x 3000 photo as a user's first load pays for it: in a
// fresh process, with the file out of the page cache, beside the warm load
// that a long-running process repeats. The cold figure is the CPU time of
// the load alone, as the helper process reports it; its counters add the
// load's wall time and the whole helper process's CPU time.

#include "input/PictureLoader.h"
#include "surface/Picture.h"

#include "LargePhoto.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// The photo written once to a file of its own for the whole run.
class PhotoFile
{
public:
    PhotoFile()
    {
        QFile file(path());
        ok = file.open(QIODevice::WriteOnly) && file.write(largeJpegFile()) > 0 && file.flush();
    }
    QString path() const { return folder.filePath(QStringLiteral("photo.jpg")); }

    QTemporaryDir folder;
    bool ok = false;
};

const PhotoFile &photo()
{
    static const PhotoFile file;
    return file;
}

void dropFromPageCache(const QString &path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

struct FirstLoad
{
    bool ok = false;
    double cpuMs = 0;
    double wallMs = 0;
    double processCpuMs = 0;
};

FirstLoad loadInFreshProcess(const std::string &path)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string program = LOAD_PICTURE_ONCE;
    std::string argument = path;
    char *argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    FirstLoad load;
    char line[128] = {};
    const ssize_t size = started ? read(out[0], line, sizeof line - 1) : -1;
    close(out[0]);
    if (!started)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    load.ok = size > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0
           && std::sscanf(line, "%lf %lf", &load.cpuMs, &load.wallMs) == 2;
    load.processCpuMs = (seconds(usage.ru_utime) + seconds(usage.ru_stime)) * 1000;
    return load;
}

void BM_LoadLargePhotoFirstInProcess(benchmark::State &state)
{
    if (!photo().ok) {
        state.SkipWithError("cannot write the photo");
        return;
    }
    const std::string path = QFile::encodeName(photo().path()).toStdString();
    double wallMs = 0;
    double processCpuMs = 0;
    for (auto _ : state) {
        dropFromPageCache(photo().path());
        const FirstLoad load = loadInFreshProcess(path);
        if (!load.ok) {
            state.SkipWithError("the helper did not load the photo");
            return;
        }
        state.SetIterationTime(load.cpuMs / 1000);
        wallMs += load.wallMs;
        processCpuMs += load.processCpuMs;
    }
    state.counters["load_wall_ms"] = benchmark::Counter(wallMs, benchmark::Counter::kAvgIterations);
    state.counters["process_cpu_ms"] = benchmark::Counter(processCpuMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LoadLargePhotoFirstInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

// The same file loaded again and again in this process.
void BM_LoadLargePhotoWarm(benchmark::State &state)
{
    if (!photo().ok) {
        state.SkipWithError("cannot write the photo");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPicture(photo().path()));
}
BENCHMARK(BM_LoadLargePhotoWarm)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
