// SPDX-License-Identifier: MIT
#pragma once

#include "app/PageSettings.h"

#include <QObject>
#include <QTimer>

class Printers;
class frmSorvane;

// Keeps the window's page from one run to the next. restore() shows the
// remembered texts and fonts at once; the picture, the calendar files and
// the device, which take time to read or list, follow once the window has
// first painted. store() keeps what the window shows. A remembered device
// that is gone counts as a bad setting: the file is kept aside.
class PageKeeper : public QObject
{
    Q_OBJECT

public:
    PageKeeper(frmSorvane &window, Printers &printers, PageSettings settings, QObject *parent = nullptr);

    void restore();
    void store() const;

Q_SIGNALS:
    // The remembered files have been opened and the device made current.
    void restored();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreFiles();
    void loadPicture(const QString &path);

    frmSorvane &m_window;
    Printers &m_printers;
    PageSettings m_settings;
    RememberedPage m_remembered;
    bool m_filesPending = false;
    QTimer m_idle;
};
