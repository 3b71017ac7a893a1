// SPDX-License-Identifier: MIT
#pragma once

#include "page/CalendarPage.h"

#include <QWidget>

class PageView;
class Printers;
class PrintSurface;
class QAction;
class QLabel;
struct PageProof;

// The "Page Preview" window: the page "Print Calendar(s)" would send to the
// current device, composed by the print job on a copy of the printer
// surface and drawn by the same renderer, or the job's error text. It is
// handed every new page and told of every change of device; a burst of
// changes is composed once, when the event loop comes back.
class PagePreview : public QWidget
{
    Q_OBJECT

public:
    // surface is the printer the page is printed with, whose state the
    // print job starts from; printers gives the current device.
    PagePreview(const CalendarPage &page, const PrintSurface &surface, Printers &printers, QWidget *parent = nullptr);

    const PageProof &proof() const;
    PageView *view() const { return m_view; }

    // Takes the room beside window on its screen.
    void placeBeside(const QWidget &window);

public Q_SLOTS:
    void showPage(const CalendarPage &page);
    void deviceChanged();

Q_SIGNALS:
    // A newly composed page (or error) is shown.
    void pageComposed();

private:
    void setupToolBar();
    void scheduleComposition();
    void compose();
    void showZoom();

    CalendarPage m_page;
    const PrintSurface &m_surface;
    Printers &m_printers;
    PageView *m_view = nullptr;
    QAction *m_fitPage = nullptr;
    QAction *m_fitWidth = nullptr;
    QAction *m_actualSize = nullptr;
    QLabel *m_zoomLabel = nullptr;
    bool m_pending = false;
};
