// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFunction.h"

#include <QByteArrayView>
#include <QRect>
#include <QRectF>

#include <optional>

class WmfParams;
class QBrush;
class QImage;
class QPainter;
class WmfBitmapCache;

// Draws the bitmap records (stretched and blitted DIBs, pattern blits) in
// logical coordinates. Raster operations a vector device cannot do are
// approximated: masks combined by AND or OR become transparent images.
class WmfBitmapPainter
{
public:
    // visible: the device rectangle that can show, when known; bitmaps
    // outside it are not decoded. cache: where decoded bitmaps are kept
    // between draws, if anywhere. pixelBudget: how many
    // more pixels may be decoded; a bitmap beyond it is left out.
    WmfBitmapPainter(QPainter &painter, const QBrush &brush, qint64 &pixelBudget,
                     std::optional<QRectF> visible = std::nullopt, WmfBitmapCache *cache = nullptr);

    void draw(WmfFunction function, const WmfParams &params);
    // Only the outline of the target, for measuring where the bitmap goes.
    void drawTarget(WmfFunction function, const WmfParams &params);

private:
    struct Blit
    {
        quint32 rop = 0;
        QRect source;
        QRectF target;
        QByteArrayView dib;
        quint16 colorUsage = 0;
        // StretchDIB counts source rows from the bitmap's bottom edge.
        bool sourceFromBottom = false;
    };

    static Blit blitOf(WmfFunction function, const WmfParams &params);
    void fill(const Blit &blit);
    void drawBitmap(const Blit &blit);
    static QImage sourceImage(const QImage &image, const Blit &blit);
    static QImage withRasterOperation(QImage image, quint32 rop);
    static QImage keptImage(const Blit &blit);

    QPainter &m_painter;
    const QBrush &m_brush;
    qint64 &m_pixelBudget;
    std::optional<QRectF> m_visible;
    WmfBitmapCache *m_cache = nullptr;
};
