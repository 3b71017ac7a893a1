// SPDX-License-Identifier: MIT
// Preloaded into a program a benchmark starts: ends it once it has painted
// its first frame, so that start-up is timed up to what the user first sees
// without anything for benchmarks inside the program.
#include <QCoreApplication>
#include <QEvent>

namespace {

class QuitOnFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Queued: the rest of the frame is painted in the same pass.
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

void installQuitOnFirstPaint()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new QuitOnFirstPaint(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitOnFirstPaint)
