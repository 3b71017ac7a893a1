// SPDX-License-Identifier: MIT
#include "app/PagePreview.h"

#include "app/PageView.h"
#include "surface/Printers.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int WindowGap = 8;

} // namespace

PagePreview::PagePreview(const CalendarPage &page, const PrintSurface &surface, Printers &printers, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_page(page)
    , m_surface(surface)
    , m_printers(printers)
    , m_view(new PageView(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Page Preview"));
    setAccessibleName(tr("Page Preview"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setupToolBar();
    layout->addWidget(m_view, 1);
    connect(m_view, &PageView::zoomChanged, this, &PagePreview::showZoom);
    compose();
}

const PageProof &PagePreview::proof() const
{
    return m_view->proof();
}

void PagePreview::placeBeside(const QWidget &window)
{
    const QScreen *shown = window.screen();
    if (!shown)
        return;
    const QRect room = shown->availableGeometry();
    const QRect beside = window.frameGeometry();
    // Most of the screen's height, and the width the paper then needs.
    const int height = room.height() * 9 / 10;
    const QSizeF paper = proof().layout.fullRect().size();
    const int wanted = paper.isEmpty() ? height * 3 / 4 : int(height * paper.width() / paper.height());
    // Narrower beside the window rather than over it, within reason.
    const int left = beside.right() + WindowGap;
    const int roomBeside = room.right() - left;
    const int width = std::max(minimumWidth(), roomBeside >= wanted / 2 ? std::min(wanted, roomBeside)
                                                                      : std::min(wanted, room.width()));
    resize(width, height);
    move(std::min(left, room.right() - width), room.top() + (room.height() - height) / 2);
}

void PagePreview::setupToolBar()
{
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("tbrZoom"));
    toolBar->setAccessibleName(tr("Zoom"));
    layout()->addWidget(toolBar);

    auto *fits = new QActionGroup(this);
    fits->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_fitPage = toolBar->addAction(tr("Fit &Page"), m_view, &PageView::fitPage);
    m_fitWidth = toolBar->addAction(tr("Fit &Width"), m_view, &PageView::fitWidth);
    m_actualSize = toolBar->addAction(tr("&100 %"), this, [this] { m_view->setZoom(1); });
    m_fitPage->setObjectName(QStringLiteral("mnuFitPage"));
    m_fitWidth->setObjectName(QStringLiteral("mnuFitWidth"));
    m_actualSize->setObjectName(QStringLiteral("mnuActualSize"));
    m_actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction *fit : {m_fitPage, m_fitWidth, m_actualSize}) {
        fit->setCheckable(true);
        fits->addAction(fit);
    }
    m_fitPage->setChecked(true);

    toolBar->addSeparator();
    QAction *zoomOut = toolBar->addAction(tr("Zoom &Out"), this, [this] { m_view->zoomBy(-1); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction *zoomIn = toolBar->addAction(tr("Zoom &In"), this, [this] { m_view->zoomBy(1); });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    m_zoomLabel = new QLabel(toolBar);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLabel->setMinimumWidth(m_zoomLabel->fontMetrics().horizontalAdvance(tr(" Zoom 000 % ")));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    toolBar->addWidget(m_zoomLabel);
    showZoom();

    // Toolbar buttons take no mnemonics of their own.
    for (QAction *action : toolBar->actions()) {
        if (action->isSeparator() || !action->text().contains(u'&'))
            continue;
        QList<QKeySequence> keys = action->shortcuts();
        keys.prepend(QKeySequence::mnemonic(action->text()));
        action->setShortcuts(keys);
    }
    // Nothing hides behind the toolbar's overflow button.
    setMinimumWidth(toolBar->sizeHint().width());
}

void PagePreview::showPage(const CalendarPage &page)
{
    m_page = page;
    scheduleComposition();
}

void PagePreview::deviceChanged()
{
    scheduleComposition();
}

void PagePreview::scheduleComposition()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &PagePreview::compose, Qt::QueuedConnection);
}

void PagePreview::compose()
{
    m_pending = false;
    m_view->setProof(PageProof::of(m_surface, m_printers.current(), m_page, QLocale()));
    Q_EMIT pageComposed();
}

void PagePreview::showZoom()
{
    const int percent = int(std::lround(m_view->zoom() * 100));
    m_zoomLabel->setText(tr("Zoom %1 %").arg(percent));
    const bool actual = m_view->fit() == PageView::Fit::None && percent == 100;
    m_fitPage->setChecked(m_view->fit() == PageView::Fit::Page);
    m_fitWidth->setChecked(m_view->fit() == PageView::Fit::Width);
    m_actualSize->setChecked(actual);
}
