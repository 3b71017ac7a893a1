// SPDX-License-Identifier: MIT
#include "app/PageView.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Room around the sheet, enough for its shadow.
constexpr int Margin = 16;
constexpr int ShadowDepth = 5;
constexpr double ZoomStep = 1.2;

} // namespace

PageView::PageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAccessibleName(tr("Page preview"));
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

void PageView::setProof(const PageProof &proof)
{
    m_proof = proof;
    m_sheetStale = true;
    setAccessibleDescription(proof.failed() ? proof.error : proof.caption);
    relayout();
}

void PageView::fitPage()
{
    setFit(Fit::Page, zoom());
}

void PageView::fitWidth()
{
    setFit(Fit::Width, zoom());
}

void PageView::setZoom(double factor)
{
    setFit(Fit::None, factor);
}

void PageView::zoomBy(double steps)
{
    setZoom(zoom() * std::pow(ZoomStep, steps));
}

double PageView::zoom() const
{
    return dotsPerInch() / screenDpi();
}

const QImage &PageView::sheet()
{
    const int dpi = dotsPerInch();
    const qreal ratio = devicePixelRatioF();
    if (m_sheetStale || dpi != m_sheetDpi || ratio != m_sheet.devicePixelRatio()) {
        m_sheet = m_proof.sheet(dpi, ratio);
        m_sheetDpi = dpi;
        m_sheetStale = false;
    }
    return m_sheet;
}

void PageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (m_proof.failed())
        paintError(painter);
    else
        paintSheet(painter);
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // The point of the paper under the mouse stays under it.
    const QPointF at = event->position();
    const QRect before = sheetRect();
    const QPointF onSheet((at.x() - before.x()) / before.width(), (at.y() - before.y()) / before.height());
    zoomBy(event->angleDelta().y() / 120.0);
    const QRect after = sheetRect();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                    + qRound(after.x() + onSheet.x() * after.width() - at.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value()
                                  + qRound(after.y() + onSheet.y() * after.height() - at.y()));
    event->accept();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

QSizeF PageView::paperInches() const
{
    return m_proof.layout.fullRect(QPageLayout::Inch).size();
}

double PageView::screenDpi() const
{
    return logicalDpiX();
}

int PageView::dotsPerInch() const
{
    double dpi = screenDpi() * m_zoom;
    if (m_fit != Fit::None && !paperInches().isEmpty()) {
        const QSizeF paper = paperInches();
        const QSize room = maximumViewportSize() - QSize(2 * Margin, 2 * Margin);
        dpi = room.width() / paper.width();
        if (m_fit == Fit::Page)
            dpi = std::min(dpi, room.height() / paper.height());
        else if (dpi * paper.height() > room.height())
            dpi = (room.width() - verticalScrollBar()->sizeHint().width()) / paper.width();
    }
    const double least = std::ceil(screenDpi() * MinZoom);
    const double most = std::floor(screenDpi() * MaxZoom);
    return int(std::clamp(std::floor(dpi), least, most));
}

QSize PageView::sheetSize() const
{
    const QSizeF dots = paperInches() * dotsPerInch();
    return QSize(qRound(dots.width()), qRound(dots.height()));
}

// Centred while it fits the view, else scrolled.
QRect PageView::sheetRect() const
{
    const QSize size = sheetSize();
    const QSize port = viewport()->size();
    const int x = size.width() + 2 * Margin <= port.width() ? (port.width() - size.width()) / 2
                                                            : Margin - horizontalScrollBar()->value();
    const int y = size.height() + 2 * Margin <= port.height() ? (port.height() - size.height()) / 2
                                                              : Margin - verticalScrollBar()->value();
    return QRect(QPoint(x, y), size);
}

void PageView::setFit(Fit fit, double zoom)
{
    m_fit = fit;
    m_zoom = std::clamp(zoom, MinZoom, MaxZoom);
    m_shownFit = std::nullopt;
    relayout();
}

void PageView::relayout()
{
    const QSize content = sheetSize() + QSize(2 * Margin, 2 * Margin);
    const QSize port = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - port.width()));
    horizontalScrollBar()->setPageStep(port.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - port.height()));
    verticalScrollBar()->setPageStep(port.height());
    viewport()->update();
    // A fitted zoom changes with the view's size and the paper.
    const std::pair shown(m_fit, dotsPerInch());
    if (shown != m_shownFit) {
        m_shownFit = shown;
        Q_EMIT zoomChanged();
    }
}

void PageView::paintSheet(QPainter &painter)
{
    const QRect rect = sheetRect();
    for (int i = ShadowDepth; i > 0; --i)
        painter.fillRect(rect.translated(i, i), QColor(0, 0, 0, 24));
    painter.drawImage(rect.topLeft(), sheet());
    painter.setPen(QColor(0, 0, 0, 96));
    painter.drawRect(rect.adjusted(-1, -1, 0, 0));
}

void PageView::paintError(QPainter &painter)
{
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = sheetRect().intersected(viewport()->rect()).adjusted(Margin, Margin, -Margin, -Margin);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_proof.error);
}
