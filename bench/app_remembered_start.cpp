// SPDX-License-Identifier: MIT
// Starting on a remembered page that holds a 12-megapixel photo and two
// calendar files, beside a start without settings, each run in a fresh
// process up to the main window's first paint; the photo and the files are
// opened once the window has painted. Counters are medians over the runs.

#include "ChildRun.h"
#include "Files.h"
#include "LargePhoto.h"
#include "PairedRuns.h"

#include "app/PageSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

namespace {

// A year of weekly events.
QByteArray calendarFile(const char *summary)
{
    QByteArray data = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int week = 0; week < 52; ++week) {
        const QDate day = QDate(2027, 1, 4).addDays(7 * week);
        data += "BEGIN:VEVENT\r\nSUMMARY:" + QByteArray(summary) + "\r\nDTSTART;VALUE=DATE:"
                + day.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "\r\nEND:VEVENT\r\n";
    }
    return data + "END:VCALENDAR\r\n";
}

QString settingsFile(const QString &configHome)
{
    return configHome + QStringLiteral("/Monthly Calendar/Monthly Calendar.ini");
}

ChildRun startToFirstPaint(const QString &configHome)
{
    return runProgram({MONTHLY_CALENDAR_PROGRAM}, {"QT_QPA_PLATFORM=offscreen",
                                                   std::string("LD_PRELOAD=") + QUIT_ON_FIRST_PAINT,
                                                   "XDG_CONFIG_HOME=" + configHome.toStdString()});
}

void StartOnRememberedPage(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString fresh = folder.filePath(QStringLiteral("fresh"));
    const QString kept = folder.filePath(QStringLiteral("kept"));
    RememberedPage remembered;
    remembered.page.txtHeader = QStringLiteral("The Smiths");
    remembered.picturePath = writtenFile(folder, QStringLiteral("photo.jpg"), largeJpegFile());
    remembered.calendarFiles = {writtenFile(folder, QStringLiteral("club.ics"), calendarFile("Club")),
                                writtenFile(folder, QStringLiteral("choir.ics"), calendarFile("Choir"))};
    PairedRuns runs("fresh", "remembered");
    for (auto _ : state) {
        // Each run stores what it showed: both start as they did before.
        QDir(fresh).removeRecursively();
        PageSettings(settingsFile(kept)).store(remembered);
        if (!runs.add(state, startToFirstPaint(fresh), startToFirstPaint(kept)))
            return;
    }
    runs.report(state);
}
BENCHMARK(StartOnRememberedPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

} // namespace
