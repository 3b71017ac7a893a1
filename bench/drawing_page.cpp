// SPDX-License-Identifier: MIT
#include "drawing/CalendarPrintJob.h"
#include "drawing/PlaceMonth.h"
#include "drawing/PlaceText.h"
#include "input/PictureLoader.h"
#include "surface/CalendarPage.h"
#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include "FullPage.h"
#include "LargePhoto.h"
#include "PdfTarget.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

// Composes and writes the page again and again; a newly loaded picture every
// time when freshPicture is set (the first print of a loaded picture), else
// the same one (reprints). Loading is not timed: BM_LoadLargePhoto measures it.
void printCalendars(benchmark::State &state, bool freshPicture)
{
    PdfTarget target;
    const QByteArray file = largeJpegFile();
    CalendarPage input = fullPage(loadedPicture(file));
    qint64 fileSize = 0;
    for (auto _ : state) {
        printCalendar(target.surface, input, English);
        state.PauseTiming();
        fileSize = QFileInfo(target.lastFile()).size();
        QFile::remove(target.lastFile());
        if (freshPicture)
            input.picture = loadedPicture(file);
        state.ResumeTiming();
    }
    state.counters["file_KB"] = double(fileSize) / 1024;
}

void BM_CalendarPageReprint(benchmark::State &state)
{
    printCalendars(state, false);
}
BENCHMARK(BM_CalendarPageReprint)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CalendarPageFirstPrintOfPicture(benchmark::State &state)
{
    printCalendars(state, true);
}
BENCHMARK(BM_CalendarPageFirstPrintOfPicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The reprint on a paper that takes the page as laid out (Letter) and on one
// it must be scaled down to fit (A5).
void BM_CalendarPageOnPaper(benchmark::State &state, QPageSize::PageSizeId paper)
{
    PdfTarget target;
    target.printers.current().setPaper(QPageSize(paper));
    const CalendarPage input = fullPage(loadedPicture(largeJpegFile()));
    for (auto _ : state) {
        printCalendar(target.surface, input, English);
        state.PauseTiming();
        QFile::remove(target.lastFile());
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_CalendarPageOnPaper, letter, QPageSize::Letter)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_CalendarPageOnPaper, a5_scaled, QPageSize::A5)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

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
BENCHMARK(BM_LoadLargePhoto)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The same photo chosen as a file.
void BM_LoadLargePhotoFile(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(largeJpegFile()) < 0 || !file.flush()) {
        state.SkipWithError("cannot write the photo");
        return;
    }
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPicture(path));
}
BENCHMARK(BM_LoadLargePhotoFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The grid alone, composed and discarded: the drawing's own share of a page.
void BM_MonthGridWithNotes(benchmark::State &state)
{
    PdfTarget target;
    const CalendarPage input = fullPage(Picture());
    for (auto _ : state) {
        PlaceMonth(target.surface, input.strNotes, 2003, 8, 600, 4550, input.fonts.strCalFont, 220);
        target.surface.KillDoc();
    }
}
BENCHMARK(BM_MonthGridWithNotes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

QString tenMegabyteEntry()
{
    QString entry;
    entry.reserve(10 * 1024 * 1024 + 64);
    for (int i = 0; entry.size() < 10 * 1024 * 1024; ++i)
        entry += QStringLiteral("Dentist at ten ^ note %1 ").arg(i);
    return entry;
}

// The entry as the month grid hands it over: a copy sharing the table's text,
// or a text of its own.
void placeLongEntry(benchmark::State &state, bool shared)
{
    PdfTarget target;
    const QString entry = tenMegabyteEntry();
    for (auto _ : state) {
        state.PauseTiming();
        QString text = shared ? entry : QString(entry.constData(), entry.size());
        state.ResumeTiming();
        PlaceText(target.surface, 1000, 5000, 1400, QStringLiteral("Arial"), text);
        benchmark::DoNotOptimize(text.size());
        state.PauseTiming();
        target.surface.KillDoc();
        text = QString();
        state.ResumeTiming();
    }
}

void BM_PlaceText10MbEntry(benchmark::State &state)
{
    placeLongEntry(state, false);
}
BENCHMARK(BM_PlaceText10MbEntry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PlaceText10MbSharedEntry(benchmark::State &state)
{
    placeLongEntry(state, true);
}
BENCHMARK(BM_PlaceText10MbSharedEntry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

QString tenMegabyteWord(QChar letter)
{
    return QString(10 * 1024 * 1024, letter);
}

// A whole page whose header and one day's note are each one word of 10 MB:
// every size of the header fit measures it, the note is wrapped, and both run
// far past the right edge of the page.
void BM_CalendarPageGiantWords(benchmark::State &state, QChar letter)
{
    PdfTarget target;
    CalendarPage input = fullPage(Picture());
    input.txtHeader = tenMegabyteWord(letter);
    input.strNotes[14] = tenMegabyteWord(letter);
    qint64 fileSize = 0;
    for (auto _ : state) {
        printCalendar(target.surface, input, English);
        state.PauseTiming();
        fileSize = QFileInfo(target.lastFile()).size();
        QFile::remove(target.lastFile());
        state.ResumeTiming();
    }
    state.counters["file_KB"] = double(fileSize) / 1024;
}
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, letters, QChar(u'm'))->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, hebrew, QChar(0x05D0))->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
// Without a letter the direction comes from what follows: the whole word is read.
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, digits, QChar(u'7'))->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The month grid's case: the entry is read through a view of the table's
// text, and the rest is neither taken nor copied.
void BM_PlaceTextBlock10MbSharedEntry(benchmark::State &state)
{
    PdfTarget target;
    const QString entry = tenMegabyteEntry();
    for (auto _ : state) {
        benchmark::DoNotOptimize(placeTextBlock(target.surface, 1000, 5000, 1400, QStringLiteral("Arial"), entry).size());
        state.PauseTiming();
        target.surface.KillDoc();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlaceTextBlock10MbSharedEntry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The whole grid with one day holding a 10 MB entry.
void BM_MonthGridWith10MbEntry(benchmark::State &state)
{
    PdfTarget target;
    CalendarPage input = fullPage(Picture());
    input.strNotes[14] = tenMegabyteEntry();
    for (auto _ : state) {
        PlaceMonth(target.surface, input.strNotes, 2003, 8, 600, 4550, input.fonts.strCalFont, 220);
        state.PauseTiming();
        target.surface.KillDoc();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MonthGridWith10MbEntry)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

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
