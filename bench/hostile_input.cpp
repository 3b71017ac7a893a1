// SPDX-License-Identifier: MIT
// Hostile pictures and control files, each made here: the time to load,
// show in the picture box and print one copy, and the peak memory of a
// process that does only that (a child forked once the file is written).
#include "HostileRasters.h"
#include "WmfWriter.h"
#include "input/NotesFileContext.h"
#include "input/PictureLoader.h"
#include "input/ReadNotesFile.h"
#include "surface/CalendarPage.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <functional>

namespace {

constexpr qint16 Lowest = -32768;
constexpr qint16 Highest = 32767;
constexpr qint64 Megabyte = 1024 * 1024;
// Just within the largest control file read.
constexpr qint64 FileLimit = 64 * Megabyte - 128;

struct ChildRun
{
    double seconds = 0;
    double cpuSeconds = 0;
    double peakRssMegabytes = 0;
    bool done = false;
};

// Runs work in a child process, timed there; its peak memory is its own.
ChildRun inChild(const std::function<bool()> &work)
{
    int results[2];
    if (::pipe(results) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        QElapsedTimer clock;
        clock.start();
        const char done = work() ? 1 : 0;
        const double seconds = clock.nsecsElapsed() / 1e9;
        (void)!::write(results[1], &seconds, sizeof seconds);
        (void)!::write(results[1], &done, 1);
        ::_exit(0);
    }
    ChildRun run;
    char done = 0;
    if (::read(results[0], &run.seconds, sizeof run.seconds) == sizeof run.seconds && ::read(results[0], &done, 1) == 1)
        run.done = done;
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    ::close(results[0]);
    ::close(results[1]);
    run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakRssMegabytes = usage.ru_maxrss / 1024.0;
    return run;
}

void report(benchmark::State &state, const ChildRun &run)
{
    state.SetIterationTime(run.seconds);
    state.counters["cpuMs"] = run.cpuSeconds * 1000;
    state.counters["peakRssMB"] = run.peakRssMegabytes;
    state.counters["done"] = run.done;
}

QByteArray tinyFrame(const WmfWriter &writer)
{
    return writer.placeable(QRect(0, 0, 2, 2), 1440);
}

QByteArray dashedLines()
{
    WmfWriter writer;
    writer.pen(1, 0, Qt::red).select(0);
    for (int i = 0; i < 200; ++i) {
        const qint16 y = qint16(Lowest + i * 327);
        writer.point(WmfFunction::MoveTo, QPoint(Lowest, y)).point(WmfFunction::LineTo, QPoint(Highest, 2 - y));
    }
    return tinyFrame(writer);
}

QByteArray hugePenEllipses()
{
    WmfWriter writer;
    writer.brush(0, Qt::blue).select(0).pen(0, Highest, Qt::red).select(1);
    for (int i = 0; i < 100; ++i)
        writer.record(WmfFunction::Ellipse, {Highest, Highest, Lowest, qint16(Lowest + i)});
    return tinyFrame(writer);
}

QByteArray stretchedBitmaps()
{
    QByteArray row;
    for (int x = 0; x < 4096; x += 256)
        row += QByteArray::fromHex("ff000100");
    row += QByteArray::fromHex("0000");
    const QByteArray dib = WmfWriter::dibIndexed(QSize(4096, 4096), 8, 1, {Qt::red}, row.repeated(4096) + QByteArray::fromHex("0001"));
    WmfWriter writer;
    for (int i = 0; i < 10; ++i)
        writer.stretchDib(QRect(0, 0, 2, 2), QSize(4096, 4096), dib);
    return tinyFrame(writer);
}

QByteArray longPolylines()
{
    std::vector<QPoint> points(65535);
    for (int i = 0; i < 65535; ++i)
        points[size_t(i)] = QPoint(i % 1000, (i * 7) % 1000);
    WmfWriter writer;
    writer.pen(0, 3, Qt::black).select(0);
    for (qint64 size = 0; size < 60 * Megabyte; size += 65535 * 4)
        writer.polygon(WmfFunction::Polyline, points);
    return writer.placeable(QRect(0, 0, 1000, 1000), 1440);
}

struct Kind
{
    const char *name;
    const char *fileName;
    std::function<QByteArray()> make;
};

const Kind pictures[] = {
    {"ProgressiveJpeg8190", "huge.jpg", [] { return jpegClaiming(true, 8190, 8190); }},
    {"Gif8000", "huge.gif", [] { return gifScreen(8000, 8000); }},
    {"RunLengthBmp8000", "huge.bmp", [] { return rleBmp(8000, 8000, 16 * 1024); }},
    {"DashedLinesTinyFrame", "dashed.wmf", dashedLines},
    {"HugePenEllipses", "ellipses.wmf", hugePenEllipses},
    {"StretchedBitmaps", "bitmaps.wmf", stretchedBitmaps},
    {"Polylines60MB", "polylines.wmf", longPolylines},
};

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &contents)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return path;
}

// Loads, paints at the picture box's size and prints one copy to PDF.
void hostilePicture(benchmark::State &state, const Kind &kind)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, kind.fileName, kind.make());
    for (auto _ : state) {
        report(state, inChild([&] {
            const std::optional<Picture> picture = loadPicture(path);
            if (!picture)
                return false;
            QImage box(129, 113, QImage::Format_ARGB32_Premultiplied);
            box.fill(Qt::transparent);
            {
                QPainter painter(&box);
                picture->draw(painter, QRectF(0, 0, 129, 113));
            }
            std::vector<std::unique_ptr<OutputDevice>> devices;
            devices.push_back(std::make_unique<PdfDevice>(dir.filePath(QStringLiteral("out")), QPageSize(QPageSize::A4)));
            Printers printers(std::move(devices));
            PrintSurface surface(printers);
            surface.PaintPicture(*picture, 6500, 300, 4800, 3200);
            surface.EndDoc();
            return true;
        }));
    }
    state.counters["fileKB"] = double(QFileInfo(path).size()) / 1024;
}

const Kind controlFiles[] = {
    {"RuleDatedLines64MB", "notes.txt",
     [] {
         QByteArray file;
         for (int i = 0; file.size() < FileLimit; ++i)
             file += "DTM " + QByteArray::number(1 + i % 4) + " " + QByteArray::number(1 + i % 7) + " Committee\r\n";
         return file;
     }},
    {"BirthdayLines64MB", "notes.txt",
     [] {
         QByteArray file;
         for (int i = 0; file.size() < FileLimit; ++i)
             file += "BIR " + QByteArray::number(i % 12 + 1) + "/" + QByteArray::number(i % 28 + 1) + "/"
                     + QByteArray::number(1900 + i % 100) + " Grandfather\r\n";
         return file;
     }},
    {"OneDayLine64MB", "notes.txt", [] { return "DAY 5 " + QByteArray(FileLimit, 'x') + "\r\n"; }},
    {"MixedLines64MB", "notes.txt",
     [] {
         QByteArray file;
         for (int i = 0; file.size() < FileLimit; ++i) {
             switch (i % 6) {
             case 0: file += "DAY " + QByteArray::number(i % 31 + 1) + " Planting\r\n"; break;
             case 1: file += "NOT Meetings " + QByteArray::number(i) + "\r\n"; break;
             case 2: file += "BIR 3/" + QByteArray::number(i % 28 + 1) + "/1950 Grandfather\r\n"; break;
             case 3: file += "DTM 2 3 Committee\r\n"; break;
             case 4: file += "MON " + QByteArray::number(1 + i % 12) + "\r\n"; break;
             default: file += "HDR Header " + QByteArray::number(i) + "\r\n"; break;
             }
         }
         return file;
     }},
};

void hostileControlFile(benchmark::State &state, const Kind &kind)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, kind.fileName, kind.make());
    for (auto _ : state) {
        report(state, inChild([&] {
            CalendarPage page;
            page.txtYear = QStringLiteral("2004");
            page.txtMonth = QStringLiteral("3");
            const NotesFileContext context{{}, QDate(2026, 12, 8), QLocale(QLocale::English, QLocale::UnitedStates)};
            ReadNotesFile(path, page, context);
            return std::any_of(page.strNotes.begin(), page.strNotes.end(), [](const QString &n) { return !n.isEmpty(); });
        }));
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const Kind &kind : pictures) {
        benchmark::RegisterBenchmark((std::string("Picture/") + kind.name).c_str(), hostilePicture, kind)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    }
    for (const Kind &kind : controlFiles) {
        benchmark::RegisterBenchmark((std::string("ControlFile/") + kind.name).c_str(), hostileControlFile, kind)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
