// SPDX-License-Identifier: MIT
#include "drawing/CalendarPrintJob.h"
#include "drawing/PlaceMonth.h"
#include "drawing/PlaceText.h"
#include "page/CalendarPage.h"
#include "surface/PrintSurface.h"

#include "FullPage.h"
#include "LargePhoto.h"
#include "PdfTarget.h"
#include "Repeated.h"

#include <QFileInfo>
#include <QLocale>
#include <benchmark/benchmark.h>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

// Composes and writes the page again and again; a newly loaded picture every
// time when freshPicture is set (the first print of a loaded picture), else
// the same one (reprints). Loading is not timed: picture_first_load measures it.
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
BENCHMARK(BM_CalendarPageReprint)->Apply(repeatedInMilliseconds);

void BM_CalendarPageFirstPrintOfPicture(benchmark::State &state)
{
    printCalendars(state, true);
}
BENCHMARK(BM_CalendarPageFirstPrintOfPicture)->Apply(repeatedInMilliseconds);

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
BENCHMARK_CAPTURE(BM_CalendarPageOnPaper, letter, QPageSize::Letter)->Apply(repeatedInMilliseconds);
BENCHMARK_CAPTURE(BM_CalendarPageOnPaper, a5_scaled, QPageSize::A5)->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_MonthGridWithNotes)->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_PlaceText10MbEntry)->Apply(repeatedInMilliseconds);

void BM_PlaceText10MbSharedEntry(benchmark::State &state)
{
    placeLongEntry(state, true);
}
BENCHMARK(BM_PlaceText10MbSharedEntry)->Apply(repeatedInMilliseconds);

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
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, letters, QChar(u'm'))->Apply(repeatedInMilliseconds);
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, hebrew, QChar(0x05D0))->Apply(repeatedInMilliseconds);
// Without a letter the direction comes from what follows: the whole word is read.
BENCHMARK_CAPTURE(BM_CalendarPageGiantWords, digits, QChar(u'7'))->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_PlaceTextBlock10MbSharedEntry)->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_MonthGridWith10MbEntry)->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_PlaceText10MbIdeographs)->Apply(repeatedInMilliseconds);

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
BENCHMARK(BM_CalendarPageCjkNotes)->Apply(repeatedInMilliseconds);

} // namespace
