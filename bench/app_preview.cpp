// SPDX-License-Identifier: MIT
#include "app/PageProof.h"
#include "app/PageView.h"
#include "app/frmSorvane.h"
#include "dialogs/PageSetup.h"
#include "input/wmf/WmfPicture.h"
#include "page/CalendarPage.h"
#include "surface/PdfDevice.h"
#include "input/CalendarFile.h"
#include "surface/Printers.h"

#include "ClipArt.h"
#include "HostileCalendars.h"
#include "FullPage.h"
#include "LargePhoto.h"
#include "ProcessUsage.h"
#include "Statistics.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimeZone>
#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

namespace {

Picture photo()
{
    return loadedPicture(largeJpegFile());
}

Picture clipArt()
{
    return Picture(WmfPicture::fromData(ClipArt().build()));
}

// Counts the paints of the watched widget: each shows the page anew.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The main window with a full page and its preview, fitting the page into a
// window of 1280 x 1024 less its frame and the desktop's panel.
class PreviewFixture
{
public:
    explicit PreviewFixture(const Picture &picture)
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(m_folder.path(), QPageSize(QPageSize::A4)));
        m_printers = std::make_unique<Printers>(std::move(devices));
        m_window = std::make_unique<frmSorvane>(*m_printers, [](const MsgBoxRequest &) {});
        m_window->setPage(fullPage(picture));
        m_window->show();
        QApplication::processEvents();
        m_megabytesBefore = residentMegabytes();
        m_window->findChild<QAction *>(QStringLiteral("mnuPreview"))->trigger();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frmPreview"))
                m_preview = window;
        }
        m_preview->resize(1280, 1024 - 64);
        m_preview->show();
        view().viewport()->installEventFilter(&m_paints);
        settle();
    }

    ~PreviewFixture() { delete m_preview; }
    PreviewFixture(const PreviewFixture &) = delete;
    PreviewFixture &operator=(const PreviewFixture &) = delete;

    PageView &view() { return *m_preview->findChild<PageView *>(); }
    frmSorvane &window() { return *m_window; }
    // How often the preview has shown the page.
    int paints() const { return m_paints.paints; }
    // Resident memory the open preview has added so far.
    double addedMegabytes() const { return residentMegabytes() - m_megabytesBefore; }

    // Runs the event loop until the preview has composed and drawn what is due.
    void settle()
    {
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<Printers> m_printers;
    std::unique_ptr<frmSorvane> m_window;
    QPointer<QWidget> m_preview;
    PaintCounter m_paints;
    double m_megabytesBefore = 0;
};

// Memory the open preview of the photo page adds, at the fitted zoom and at
// the largest; first, before other benchmarks have grown the heap.
void BM_PreviewOpenMemory(benchmark::State &state)
{
    for (auto _ : state) {
        PreviewFixture fixture(photo());
        state.counters["added_MB_fit"] = fixture.addedMegabytes();
        fixture.view().setZoom(PageView::MaxZoom);
        fixture.settle();
        state.counters["added_MB_largest"] = fixture.addedMegabytes();
    }
}
BENCHMARK(BM_PreviewOpenMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Drawing the composed page afresh at the fitted zoom, as after every change.
void rerender(benchmark::State &state, const Picture &picture)
{
    PreviewFixture fixture(picture);
    PageView &view = fixture.view();
    const PageProof proof = view.proof();
    for (auto _ : state) {
        view.setProof(proof);
        benchmark::DoNotOptimize(view.sheet());
    }
    state.counters["dpi"] = view.zoom() * view.logicalDpiX();
}

void BM_PreviewRerenderPhoto(benchmark::State &state)
{
    rerender(state, photo());
}
BENCHMARK(BM_PreviewRerenderPhoto)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PreviewRerenderClipArt(benchmark::State &state)
{
    rerender(state, clipArt());
}
BENCHMARK(BM_PreviewRerenderClipArt)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// The print job composing the page for the preview, without drawing it.
void BM_PreviewCompose(benchmark::State &state)
{
    PreviewFixture fixture(photo());
    for (auto _ : state) {
        state.PauseTiming();
        fixture.window().setPage(fixture.window().page());
        state.ResumeTiming();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PreviewCompose)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// A key typed into the header until the preview shows the new page.
void keystrokesToRepaint(benchmark::State &state, PreviewFixture &fixture)
{
    QLineEdit *header = fixture.window().findChild<QLineEdit *>(QStringLiteral("txtHeader"));
    header->setFocus();
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const int paints = fixture.paints();
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(header, &press);
        QApplication::sendEvent(header, &release);
        while (fixture.paints() == paints && timer.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (header->text().size() > 60)
            header->clear();
    }
    state.counters["median_ms"] = percentile(milliseconds, 50);
    state.counters["p95_ms"] = percentile(milliseconds, 95);
}

void BM_PreviewKeystrokeToRepaint(benchmark::State &state)
{
    PreviewFixture fixture(photo());
    keystrokesToRepaint(state, fixture);
}
BENCHMARK(BM_PreviewKeystrokeToRepaint)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(200);

// The same with 180,000 events attached: the month's notes are laid once.
void BM_PreviewKeystrokeWithLargeCalendar(benchmark::State &state)
{
    PreviewFixture fixture(photo());
    CalendarPage page = fixture.window().page();
    for (const HostileCalendar &calendar : hostileCalendars()) {
        if (calendar.name == std::string_view("DailyEventsFor500Years"))
            page.events = readCalendarData(calendar.make(), QTimeZone::systemTimeZone()).events;
    }
    fixture.window().setPage(page);
    fixture.settle();
    keystrokesToRepaint(state, fixture);
}
BENCHMARK(BM_PreviewKeystrokeWithLargeCalendar)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(100);

// A paper chosen in "Page Setup" until the preview shows the page on it.
void BM_PageSetupToRepaint(benchmark::State &state)
{
    PreviewFixture fixture(photo());
    QAction *pageSetup = fixture.window().findChild<QAction *>(QStringLiteral("mnuPageSetup"));
    std::vector<double> milliseconds;
    bool a5 = true;
    for (auto _ : state) {
        const int paints = fixture.paints();
        QElapsedTimer timer;
        timer.start();
        pageSetup->trigger();
        auto *setup = fixture.window().findChild<PageSetup *>();
        auto *paper = setup->findChild<QComboBox *>(QStringLiteral("cboPaper"));
        paper->setCurrentIndex(paper->findText(QPageSize(a5 ? QPageSize::A5 : QPageSize::A4).name()));
        setup->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        delete setup;
        while (fixture.paints() == paints && timer.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        a5 = !a5;
    }
    state.counters["median_ms"] = percentile(milliseconds, 50);
    state.counters["p95_ms"] = percentile(milliseconds, 95);
}
BENCHMARK(BM_PageSetupToRepaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);

} // namespace
