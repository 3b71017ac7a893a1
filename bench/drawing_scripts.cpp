// SPDX-License-Identifier: MIT
#include "PdfTarget.h"

#include "drawing/CalendarPrintJob.h"
#include "drawing/PlaceText.h"
#include "surface/CalendarPage.h"
#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Ideographs as notes use them: many different ones, no blanks between.
QString ideographs(qsizetype count, int first)
{
    QString text;
    text.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        text += QChar(char16_t(0x4E00 + (first + 37 * i) % 0x5000));
    return text;
}

// Notes as written: words of a language, repeated from day to day, without
// blanks, long enough for seven lines.
QString japaneseNote(int day)
{
    static const QString text = QStringLiteral(
        "午前十時から本社三階の会議室で営業部の定例会議があります資料を忘れずに持参すること"
        "午後は取引先との打ち合わせの後に歯医者の予約夕方六時から子供の誕生日会を自宅で開く"
        "買い物リスト牛乳卵パン野菜果物を駅前のスーパーで買う週末は家族で温泉旅行に出かける");
    QString note;
    for (int i = 0; note.size() < 70; ++i)
        note += text[(day * 11 + i) % text.size()];
    return note;
}

// One word of 10 MB: broken into the block's seven lines, the rest dropped.
void BM_PlaceText10MbIdeographs(benchmark::State &state)
{
    PdfTarget target;
    const QString entry = ideographs(10 * 1024 * 1024, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(placeTextBlock(target.surface, 1000, 5000, 1400, QStringLiteral("Arial"), entry).size());
        state.PauseTiming();
        target.surface.KillDoc();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlaceText10MbIdeographs)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// Every day of a 31-day month with seven full lines of ideographs, written
// to PDF: the faces go in as subsets of the glyphs used.
void BM_CalendarPageCjkNotes(benchmark::State &state)
{
    PdfTarget target;
    CalendarPage input;
    input.txtYear = QStringLiteral("2003");
    input.txtMonth = QStringLiteral("8");
    input.txtCopies = QStringLiteral("1");
    input.txtHeader = QStringLiteral("山田家のカレンダー");
    input.txtMessage = {QStringLiteral("東京都千代田区"), QStringLiteral("一丁目二番三号"), QString(), QString(),
                        QStringLiteral("〇三・一二三四・五六七八"), QStringLiteral("よい夏を")};
    for (int d = 0; d < 31; ++d)
        input.strNotes[d] = japaneseNote(d);
    qint64 fileSize = 0;
    for (auto _ : state) {
        printCalendar(target.surface, input, QLocale(QLocale::Japanese, QLocale::Japan));
        state.PauseTiming();
        fileSize = QFileInfo(target.lastFile()).size();
        QFile::remove(target.lastFile());
        state.ResumeTiming();
    }
    state.counters["file_KB"] = double(fileSize) / 1024;
}
BENCHMARK(BM_CalendarPageCjkNotes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

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
