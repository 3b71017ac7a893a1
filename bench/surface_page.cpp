#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include "LargePhoto.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

void drawPage(PrintSurface &surface, const Picture &picture)
{
    surface.setFontName(QStringLiteral("Arial"));
    for (int i = 0; i < 60; ++i) {
        surface.setFontSize(float(8 + i % 5 * 4));
        surface.setCurrentX(float(200 + i % 6 * 1800));
        surface.setCurrentY(float(4000 + i / 6 * 1000));
        surface.Print(QStringLiteral("Note %1 for the day").arg(i));
    }
    for (int i = 0; i < 10; ++i) {
        surface.setDrawWidth(qint16(1 + i % 4));
        surface.Line(0, float(4000 + i * 1000), 11460, 0);
    }
    surface.setDrawWidth(5);
    for (int i = 0; i < 3; ++i)
        surface.LineBox(float(i * 100), float(i * 100), float(11460 - i * 200), float(15020 - i * 200));
    surface.PaintPicture(picture, 6500, 300, 4800, 3200);
}

// Prints the page again and again; a new picture from makePicture every time
// when freshPicture is set (the first print of a loaded picture), else the
// same one (copies, reprints). Making the picture is not timed.
void printPages(benchmark::State &state, bool freshPicture, const std::function<Picture()> &makePicture)
{
    QTemporaryDir folder;
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(folder.path(), QPageSize(QPageSize::A4)));
    Printers printers(std::move(devices));
    PrintSurface surface(printers);
    Picture picture = makePicture();
    qint64 fileSize = 0;
    for (auto _ : state) {
        drawPage(surface, picture);
        surface.EndDoc();
        state.PauseTiming();
        const QString file = static_cast<PdfDevice &>(printers.current()).lastFile();
        fileSize = QFileInfo(file).size();
        QFile::remove(file);
        if (freshPicture)
            picture = makePicture();
        state.ResumeTiming();
    }
    state.counters["file_KB"] = double(fileSize) / 1024;
}

// The photo as the program loads it.
void printLoadedPhoto(benchmark::State &state, bool freshPicture)
{
    const QByteArray file = largeJpegFile();
    printPages(state, freshPicture, [&file] { return loadedPicture(file); });
}

void BM_PdfPageWithLargePicture(benchmark::State &state)
{
    printLoadedPhoto(state, false);
}
BENCHMARK(BM_PdfPageWithLargePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PdfPageFirstPrintOfLargePicture(benchmark::State &state)
{
    printLoadedPhoto(state, true);
}
BENCHMARK(BM_PdfPageFirstPrintOfLargePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// All 4000 x 3000 pixels handed to the surface, which then reduces them
// itself: the most its one-time scaling can cost.
void BM_PdfPageFirstPrintOfFullSizePicture(benchmark::State &state)
{
    const QImage image = fullSizeImage(largeJpegFile());
    printPages(state, true, [&image] { return pictureOf(image); });
}
BENCHMARK(BM_PdfPageFirstPrintOfFullSizePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The month grid measures every word of every note.
void BM_TextWidth(benchmark::State &state)
{
    QTemporaryDir folder;
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(folder.path(), QPageSize(QPageSize::A4)));
    Printers printers(std::move(devices));
    PrintSurface surface(printers);
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(8);
    const QString word = QStringLiteral("Anniversary");
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.TextWidth(word));
}
BENCHMARK(BM_TextWidth)->Unit(benchmark::kMicrosecond);

// A header of one 10 MB word, measured at every size of the header fit.
void BM_TextWidthGiantWordAtEverySize(benchmark::State &state)
{
    QTemporaryDir folder;
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(folder.path(), QPageSize(QPageSize::A4)));
    Printers printers(std::move(devices));
    PrintSurface surface(printers);
    surface.setFontName(QStringLiteral("Arial"));
    const QString word(10 * 1024 * 1024, u'm');
    for (auto _ : state) {
        for (int size = 24; size >= 2; size -= 2) {
            surface.setFontSize(float(size));
            benchmark::DoNotOptimize(surface.TextWidth(word));
        }
    }
}
BENCHMARK(BM_TextWidthGiantWordAtEverySize)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
