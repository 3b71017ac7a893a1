// SPDX-License-Identifier: MIT
// Loading the 4000 x 3000 photo: as a user's first load pays for it, in a
// fresh process (load_picture_once) with the file out of the page cache,
// beside the warm load that a long-running process repeats, and decoded from
// memory alone. The first load's figure is the CPU time of the load as the
// helper reports it; its counters add the load's wall time and the whole
// helper process's CPU time.

#include "input/PictureLoader.h"
#include "page/Picture.h"

#include "ChildRun.h"
#include "Files.h"
#include "LargePhoto.h"
#include "Repeated.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The photo written once to a file of its own for the whole run.
const QString &photoFile()
{
    static const QTemporaryDir folder;
    static const QString path = writtenFile(folder, QStringLiteral("photo.jpg"), largeJpegFile());
    return path;
}

void dropFromPageCache(const QString &path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
}

void BM_LoadLargePhotoFirstInProcess(benchmark::State &state)
{
    const std::string path = QFile::encodeName(photoFile()).toStdString();
    double wallMs = 0;
    double processCpuMs = 0;
    for (auto _ : state) {
        dropFromPageCache(photoFile());
        const ChildRun run = runProgram({LOAD_PICTURE_ONCE, path});
        double cpuMs = 0;
        double loadWallMs = 0;
        if (!run.done || std::sscanf(run.output.c_str(), "%lf %lf", &cpuMs, &loadWallMs) != 2) {
            state.SkipWithError("the helper did not load the photo");
            return;
        }
        state.SetIterationTime(cpuMs / 1000);
        wallMs += loadWallMs;
        processCpuMs += run.cpuSeconds * 1000;
    }
    state.counters["load_wall_ms"] = benchmark::Counter(wallMs, benchmark::Counter::kAvgIterations);
    state.counters["process_cpu_ms"] = benchmark::Counter(processCpuMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LoadLargePhotoFirstInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

// The same file loaded again and again in this process.
void BM_LoadLargePhotoWarm(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPicture(photoFile()));
}
BENCHMARK(BM_LoadLargePhotoWarm)->Apply(repeatedInMilliseconds);

// The photo decoded from memory as the loader does it (reduced while decoding).
void BM_LoadLargePhoto(benchmark::State &state)
{
    QByteArray file = largeJpegFile();
    for (auto _ : state) {
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(decodeImage(buffer));
    }
}
BENCHMARK(BM_LoadLargePhoto)->Apply(repeatedInMilliseconds);

} // namespace
