#include "app/FirstPaintQuit.h"
#include "app/Version.h"
#include "app/frmSorvane.h"
#include "platform/MsgBoxRequest.h"
#include "surface/FontSubstitutions.h"
#include "surface/Printers.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!hasDisplay()) {
        std::fputs("monthly-calendar: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "run it under Xvfb, e.g. xvfb-run -a build/app/monthly-calendar\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(MONTHLYCALENDAR_VERSION));
    // Wayland matches the window to its menu entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(MONTHLYCALENDAR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/monthly-calendar.svg")));
    installFontSubstitutions();

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    Printers printers = Printers::fromSystem(documents);

    frmSorvane window(printers);
    FirstPaintQuit quitAfterPaint;
    if (qEnvironmentVariableIsSet("MONTHLYCALENDAR_QUIT_AFTER_FIRST_PAINT"))
        window.centralWidget()->installEventFilter(&quitAfterPaint);
    window.show();
    return app.exec();
}
