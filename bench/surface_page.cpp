// SPDX-License-Identifier: MIT
#include "surface/PrintSurface.h"

#include "LargePhoto.h"
#include "PdfTarget.h"
#include "Repeated.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPaintEngine>
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
    PdfTarget target;
    Picture picture = makePicture();
    qint64 fileSize = 0;
    for (auto _ : state) {
        drawPage(target.surface, picture);
        target.surface.EndDoc();
        state.PauseTiming();
        const QString file = target.lastFile();
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
BENCHMARK(BM_PdfPageWithLargePicture)->Apply(repeatedInMilliseconds);

void BM_PdfPageFirstPrintOfLargePicture(benchmark::State &state)
{
    printLoadedPhoto(state, true);
}
BENCHMARK(BM_PdfPageFirstPrintOfLargePicture)->Apply(repeatedInMilliseconds);

// All 4000 x 3000 pixels handed to the surface, which then reduces them
// itself: the most its one-time scaling can cost.
void BM_PdfPageFirstPrintOfFullSizePicture(benchmark::State &state)
{
    const QImage image = fullSizeImage(largeJpegFile());
    printPages(state, true, [&image] { return pictureOf(image); });
}
BENCHMARK(BM_PdfPageFirstPrintOfFullSizePicture)->Apply(repeatedInMilliseconds);

// A 600 dpi device that takes whatever is drawn and keeps nothing.
class DiscardingEngine : public QPaintEngine
{
public:
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    Type type() const override { return User; }
};

class DiscardingDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 600;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 5000;
        }
    }

private:
    mutable DiscardingEngine m_engine;
};

// The surface's one-time reduction of the loaded photo for the full page's
// picture box (2860 x 2145 twips at 600 dpi).
void BM_ReduceLoadedPhotoForFullPage(benchmark::State &state)
{
    const QByteArray file = largeJpegFile();
    DiscardingDevice device;
    for (auto _ : state) {
        state.PauseTiming();
        const Picture picture = loadedPicture(file);
        QPainter painter(&device);
        state.ResumeTiming();
        picture.draw(painter, QRectF(0, 0, 2860 / 2.4, 2145 / 2.4));
    }
}
BENCHMARK(BM_ReduceLoadedPhotoForFullPage)->Apply(repeatedInMilliseconds);

// The month grid measures every word of every note.
void BM_TextWidth(benchmark::State &state)
{
    PdfTarget target;
    PrintSurface &surface = target.surface;
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
    PdfTarget target;
    PrintSurface &surface = target.surface;
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
