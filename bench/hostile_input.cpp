// SPDX-License-Identifier: MIT
// Hostile pictures, each made here: the time to load, show in the picture box
// and print one copy, and the peak memory of a process that does only that (a
// child forked once the file is written). Hostile control files are read in
// input_notes.
#include "HostileRasters.h"
#include "WmfWriter.h"
#include "input/PictureLoader.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include "ChildRun.h"
#include "Files.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr qint16 Lowest = -32768;
constexpr qint16 Highest = 32767;
constexpr qint64 Megabyte = 1024 * 1024;

void report(benchmark::State &state, const ChildRun &run)
{
    state.SetIterationTime(run.seconds);
    state.counters["cpuMs"] = run.cpuSeconds * 1000;
    state.counters["peakRssMB"] = run.peakMegabytes;
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

// Loads, paints at the picture box's size and prints one copy to PDF.
void hostilePicture(benchmark::State &state, const Kind &kind)
{
    QTemporaryDir dir;
    const QString path = writtenFile(dir, QString::fromLatin1(kind.fileName), kind.make());
    for (auto _ : state) {
        report(state, runInChild([&] {
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

// One benchmark per kind of picture.
[[maybe_unused]] const bool Registered = [] {
    for (const Kind &kind : pictures) {
        benchmark::RegisterBenchmark((std::string("Picture/") + kind.name).c_str(), hostilePicture, kind)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1);
    }
    return true;
}();

} // namespace
