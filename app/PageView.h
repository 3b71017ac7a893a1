// SPDX-License-Identifier: MIT
#pragma once

#include "app/PageProof.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <optional>
#include <utility>

// Shows a proof as a sheet of paper on a neutral background with a shadow,
// or its error text where the sheet would be. The sheet fits the page or the
// width into the view, or is shown at a zoom factor (1: its real size on the
// screen); Ctrl + mouse wheel zooms about the point under the mouse.
class PageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class Fit { Page, Width, None };

    static constexpr double MinZoom = 0.1;
    static constexpr double MaxZoom = 2.0;

    explicit PageView(QWidget *parent = nullptr);

    void setProof(const PageProof &proof);
    const PageProof &proof() const { return m_proof; }

    void fitPage();
    void fitWidth();
    void setZoom(double factor);
    // Zooms by steps of 20 %, in (positive) or out.
    void zoomBy(double steps);
    Fit fit() const { return m_fit; }
    // The zoom in effect, in any mode.
    double zoom() const;

    // The sheet as shown now, drawn afresh only after a new proof or zoom.
    const QImage &sheet();

Q_SIGNALS:
    // The fit or the zoom in effect changed.
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF paperInches() const;
    double screenDpi() const;
    int dotsPerInch() const;
    int fittedDotsPerInch(const QSize &room) const;
    QSize sheetSize() const;
    QRect sheetRect() const;
    void setFit(Fit fit, double zoom);
    void relayout();
    void paintSheet(QPainter &painter);
    void paintError(QPainter &painter);

    PageProof m_proof;
    Fit m_fit = Fit::Page;
    double m_zoom = 1;
    QImage m_sheet;
    int m_sheetDpi = 0;
    // The fit and resolution zoomChanged last told of.
    std::optional<std::pair<Fit, int>> m_shownFit;
    bool m_sheetStale = true;
};
