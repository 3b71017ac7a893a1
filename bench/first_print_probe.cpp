// SPDX-License-Identifier: MIT
// One user's session as app_startup sees it: the main window starts as
// the program starts it, waits as a user would before typing, gets a month
// filled in, and prints it, then prints it again. Prints the milliseconds of
// the first print and of the median reprint on one line. "--cold" leaves out
// the preparation after the first paint; "--photo" picks a 12-megapixel
// photo just before the first print, whose time then includes its loading.

#include "LargePhoto.h"
#include "Statistics.h"

#include "app/FirstPrintWarmUp.h"
#include "app/frmSorvane.h"
#include "input/ShowPicFile.h"
#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

struct Took
{
    double wall = 0;
    double cpu = 0;
};

double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Took millisecondsToPrint(QPushButton *print)
{
    QElapsedTimer timer;
    const double cpuStart = threadCpuMilliseconds();
    timer.start();
    print->click();
    return {double(timer.nsecsElapsed()) / 1e6, threadCpuMilliseconds() - cpuStart};
}

} // namespace

int main(int argc, char **argv)
{
    const bool cold = argc > 1 && std::strcmp(argv[1], "--cold") == 0;
    const bool photo = argc > 1 && std::strcmp(argv[1], "--photo") == 0;
    QApplication app(argc, argv);
    installFontSubstitutions();
    QTemporaryDir folder;
    // A user's folder has long been on disk; the first print should not
    // pay for making this one.
    const int folderHandle = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
    ::fsync(folderHandle);
    ::close(folderHandle);
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(folder.path()));
    Printers printers(std::move(devices));
    int boxes = 0;
    frmSorvane window(printers, [&boxes](const MsgBoxRequest &) { ++boxes; });
    FirstPrintWarmUp warmUp(window);
    if (!cold)
        window.centralWidget()->installEventFilter(&warmUp);
    window.show();

    // Nobody types the first month within half a second of the window.
    QEventLoop wait;
    QTimer::singleShot(500, &wait, &QEventLoop::quit);
    wait.exec();

    CalendarPage page = window.page();
    page.txtYear = QStringLiteral("2004");
    page.txtMonth = QStringLiteral("7");
    page.txtHeader = QStringLiteral("The Smiths");
    page.txtMessage[0] = QStringLiteral("12 Long Lane");
    page.txtMessage[5] = QStringLiteral("Happy holidays");
    const QString photoPath = folder.filePath(QStringLiteral("photo.jpg"));
    if (photo) {
        QFile file(photoPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(largeJpegFile()) < 0)
            return 1;
    }

    auto *print = window.findChild<QPushButton *>(QStringLiteral("cmdPrint"));
    QElapsedTimer loading;
    const double cpuStart = threadCpuMilliseconds();
    loading.start();
    if (photo && ShowPicFile(photoPath, page.picture, page.binSelPic))
        ++boxes;
    window.setPage(page);
    Took first = millisecondsToPrint(print);
    first.wall = double(loading.nsecsElapsed()) / 1e6;
    first.cpu = threadCpuMilliseconds() - cpuStart;
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int i = 0; i < 5; ++i) {
        const Took reprint = millisecondsToPrint(print);
        walls.push_back(reprint.wall);
        cpus.push_back(reprint.cpu);
    }
    std::printf("%.3f %.3f %.3f %.3f\n", first.wall, median(walls), first.cpu, median(cpus));
    return boxes == 0 ? 0 : 1;
}
