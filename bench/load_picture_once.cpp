// SPDX-License-Identifier: MIT
// Loads one picture in a fresh process, as the program's first load does,
// and prints the CPU and wall time of that load in milliseconds:
// "cpu_ms wall_ms".
//
// Usage: load_picture_once PICTURE
#include "input/PictureLoader.h"
#include "page/Picture.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <ctime>

namespace {

double milliseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    // Image plugins are found through the application.
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 1;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const double cpu = milliseconds(CLOCK_PROCESS_CPUTIME_ID);
    const double wall = milliseconds(CLOCK_MONOTONIC);
    const std::optional<Picture> picture = loadPicture(path);
    const double cpuSpent = milliseconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
    const double wallSpent = milliseconds(CLOCK_MONOTONIC) - wall;
    if (!picture)
        return 2;
    std::printf("%.3f %.3f\n", cpuSpent, wallSpent);
    return 0;
}
