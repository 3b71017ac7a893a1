// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, as a session's end or a kill sends it, into a normal end of
// the event loop, so that what ends a run ends it the same way as "Done". The
// handler only writes a byte to a pipe; the event loop does the rest.
class QuitOnSignal : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject *parent = nullptr);
    ~QuitOnSignal() override;

private:
    void quit();

    QSocketNotifier *m_notifier = nullptr;
};
