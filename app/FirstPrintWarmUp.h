// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class frmSorvane;

// Once the watched widget has first painted, prints the window's page into a
// temporary PDF when the event loop is next idle, and throws it away: the
// font database, the page's fonts and the PDF writer are then ready, so the
// user's first print costs what a reprint does. It lists no printers and
// leaves no file. Qt's fonts live on the window's thread, so it runs there.
class FirstPrintWarmUp : public QObject
{
    Q_OBJECT

public:
    explicit FirstPrintWarmUp(const frmSorvane &window, QObject *parent = nullptr);

Q_SIGNALS:
    void warmedUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void warmUp();

    const frmSorvane &m_window;
    bool m_scheduled = false;
};
