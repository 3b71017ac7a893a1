// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class PageView;
class Printers;
class QAction;
class QLabel;
class frmSorvane;
struct PageProof;

// The "Page Preview" window: the page "Print Calendar(s)" would send to the
// current device, composed by the print job on a copy of the main window's
// surface and drawn by the same renderer, or the job's error text. It
// follows every change of the page and of the device; a burst of changes
// is composed once, when the event loop comes back.
class PagePreview : public QWidget
{
    Q_OBJECT

public:
    PagePreview(frmSorvane &window, Printers &printers, QWidget *parent = nullptr);

    const PageProof &proof() const;
    PageView *view() const { return m_view; }
    // How often the print job has composed the page for the preview.
    int compositions() const { return m_compositions; }

    // Takes the room beside window on its screen.
    void placeBeside(const QWidget &window);

private:
    void setupToolBar();
    void scheduleComposition();
    void compose();
    void showZoom();

    frmSorvane &m_window;
    Printers &m_printers;
    PageView *m_view = nullptr;
    QAction *m_fitPage = nullptr;
    QAction *m_fitWidth = nullptr;
    QAction *m_actualSize = nullptr;
    QLabel *m_zoomLabel = nullptr;
    bool m_pending = false;
    int m_compositions = 0;
};
