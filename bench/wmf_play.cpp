// SPDX-License-Identifier: MIT
#include "input/wmf/WmfPicture.h"

#include "ClipArt.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QByteArray &clipArt()
{
    static const QByteArray data = ClipArt().build();
    return data;
}

// The picture's printed size at 600 dpi: 4800 x 3200 twips.
const QRectF Target(0, 0, 2000, 1333);

void loadClipArt(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WmfPicture::fromData(clipArt()));
    state.SetBytesProcessed(state.iterations() * clipArt().size());
}

void playOnPdf(benchmark::State &state)
{
    const auto picture = WmfPicture::fromData(clipArt());
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPainter> painter;
    int drawn = 0;
    for (auto _ : state) {
        if (drawn++ % 200 == 0) {
            state.PauseTiming();
            painter.reset();
            writer.reset();
            buffer.close();
            buffer.setData(QByteArray());
            buffer.open(QIODevice::WriteOnly);
            writer = std::make_unique<QPdfWriter>(&buffer);
            writer->setResolution(600);
            painter = std::make_unique<QPainter>(writer.get());
            state.ResumeTiming();
        }
        picture->draw(*painter, Target);
    }
}

void playOnImage(benchmark::State &state)
{
    const auto picture = WmfPicture::fromData(clipArt());
    QImage image(Target.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (auto _ : state)
        picture->draw(painter, Target);
}

} // namespace

BENCHMARK(loadClipArt)->Unit(benchmark::kMicrosecond);
BENCHMARK(playOnPdf)->Unit(benchmark::kMicrosecond);
BENCHMARK(playOnImage)->Unit(benchmark::kMicrosecond);
