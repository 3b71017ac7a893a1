// SPDX-License-Identifier: MIT
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "surface/CalendarPage.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// One line of every tag in turn, the days and weekdays running through all
// their values.
QByteArray controlFile(int lines)
{
    QByteArray file;
    for (int i = 0; i < lines; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (i % 9) {
        case 0: file += "HDR Garden Club Calendar " + n; break;
        case 1: file += "NOT Meetings at the hall " + n; break;
        case 2: file += "MSG Happy Spring " + n; break;
        case 3: file += "DAY " + QByteArray::number(i % 31 + 1) + " Planting day " + n; break;
        case 4: file += "YER " + QByteArray::number(2001 + i % 30); break;
        case 5: file += "MON " + QByteArray::number(1 + i % 12); break;
        case 6:
            file += "BIR " + QByteArray::number(i % 12 + 1) + "/" + QByteArray::number(i % 31 + 1) + "/"
                    + QByteArray::number(1900 + i % 100) + " Grandfather " + n;
            break;
        case 7:
            file += "DTM " + QByteArray::number(1 + i % 4) + " " + QByteArray::number(1 + i % 7) + " Committee " + n;
            break;
        default: file += "PIC /pictures/tulips " + n + ".jpg"; break;
        }
        file += "\r\n";
    }
    return file;
}

double peakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_ReadNotesFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(controlFile(int(state.range(0))));
    }
    // Month names are looked up in the user's language before English.
    const QLocale locale = state.range(1) == 0 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                               : QLocale(QLocale::German, QLocale::Germany);
    const NotesFileContext context{{}, QDate(2026, 12, 8), locale};
    for (auto _ : state) {
        CalendarPage page;
        page.txtYear = QStringLiteral("2004");
        page.txtMonth = QStringLiteral("3");
        ReadNotesFile(path, page, context);
        benchmark::DoNotOptimize(page.strNotes);
    }
    state.counters["lines"] = double(state.range(0));
    state.counters["peakRssMB"] = peakRssMegabytes();
}

BENCHMARK(BM_ReadNotesFile)->ArgNames({"lines", "german"})->Args({100000, 0})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
