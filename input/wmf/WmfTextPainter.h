// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

struct WmfDeviceContext;
class QByteArrayView;
class QFont;
class QPainter;

// Draws one text record. Glyphs are laid out in device space so that
// anisotropic or flipped mappings move and size the text without stretching
// or mirroring it, as a printer driver would.
class WmfTextPainter
{
public:
    WmfTextPainter(QPainter &painter, const WmfDeviceContext &dc, const QTransform &logicalToPainter);

    // Bytes are in the Windows Latin-1 code page. Returns the advance in
    // logical units, for alignment that updates the current position.
    qreal draw(QPointF origin, QByteArrayView text, const std::vector<qreal> &dx,
               const std::optional<QRectF> &rect, quint16 options);

    static QString decode(QByteArrayView text);

private:
    std::optional<QFont> deviceFont() const;
    qreal emHeight(const QFont &font) const;
    qreal textWidth(const QFont &font, const QString &text, const std::vector<qreal> &dx) const;
    void fillRect(const QRectF &logicalRect) const;

    QPainter &m_painter;
    const WmfDeviceContext &m_dc;
    QTransform m_logicalToPainter;
    qreal m_xScale = 1;
    qreal m_yScale = 1;
};
