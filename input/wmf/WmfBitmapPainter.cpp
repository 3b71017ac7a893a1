// SPDX-License-Identifier: MIT
#include "input/wmf/WmfBitmapPainter.h"

#include "input/wmf/WmfBitmapCache.h"
#include "input/wmf/WmfDib.h"
#include "input/wmf/WmfDibHeader.h"
#include "input/wmf/WmfParams.h"

#include <QBrush>
#include <QImage>
#include <QPainter>


namespace {

enum RasterOperation : quint32 {
    Blackness = 0x00000042,
    SourceAnd = 0x008800C6,
    SourcePaint = 0x00EE0086,
    PatternCopy = 0x00F00021,
    Whiteness = 0x00FF0062,
};

QRect sourceRect(const WmfParams &params, qsizetype heightWord, qsizetype widthWord, qsizetype yWord,
                 qsizetype xWord)
{
    return QRect(params.at(xWord), params.at(yWord), params.at(widthWord), params.at(heightWord));
}

QRectF targetRect(const WmfParams &params, qsizetype heightWord, qsizetype widthWord, qsizetype yWord,
                  qsizetype xWord)
{
    return QRectF(params.at(xWord), params.at(yWord), params.at(widthWord), params.at(heightWord));
}

} // namespace

WmfBitmapPainter::WmfBitmapPainter(QPainter &painter, const QBrush &brush, qint64 &pixelBudget,
                                   std::optional<QRectF> visible, WmfBitmapCache *cache)
    : m_painter(painter)
    , m_brush(brush)
    , m_pixelBudget(pixelBudget)
    , m_visible(visible)
    , m_cache(cache)
{
}

WmfBitmapPainter::Blit WmfBitmapPainter::blitOf(WmfFunction function, const WmfParams &params)
{
    Blit blit;
    blit.rop = params.dwordAt(0);
    const bool withoutBitmap = params.words() == quint16(function) >> 8;
    switch (function) {
    case WmfFunction::StretchDib:
        blit.colorUsage = params.wordAt(2);
        blit.source = sourceRect(params, 3, 4, 5, 6);
        blit.target = targetRect(params, 7, 8, 9, 10);
        blit.dib = params.bytesFrom(22);
        blit.sourceFromBottom = true;
        break;
    case WmfFunction::SetDibToDev:
        blit.rop = 0x00CC0020;
        blit.colorUsage = params.wordAt(0);
        blit.source = QRect(params.at(4), params.at(3), params.at(6), params.at(5));
        blit.target = targetRect(params, 5, 6, 7, 8);
        blit.dib = params.bytesFrom(18);
        blit.sourceFromBottom = true;
        break;
    case WmfFunction::DibStretchBlt:
        blit.source = sourceRect(params, 2, 3, 4, 5);
        blit.target = withoutBitmap ? targetRect(params, 7, 8, 9, 10) : targetRect(params, 6, 7, 8, 9);
        blit.dib = withoutBitmap ? QByteArrayView() : params.bytesFrom(20);
        break;
    case WmfFunction::DibBitBlt:
        if (withoutBitmap) {
            blit.target = targetRect(params, 5, 6, 7, 8);
        } else {
            blit.target = targetRect(params, 4, 5, 6, 7);
            blit.source = QRect(params.at(3), params.at(2), params.at(5), params.at(4));
            blit.dib = params.bytesFrom(16);
        }
        break;
    default:
        blit.target = targetRect(params, 2, 3, 4, 5);
        break;
    }
    return blit;
}

void WmfBitmapPainter::draw(WmfFunction function, const WmfParams &params)
{
    const Blit blit = blitOf(function, params);
    if (blit.dib.isEmpty())
        fill(blit);
    else
        drawBitmap(blit);
}

void WmfBitmapPainter::drawTarget(WmfFunction function, const WmfParams &params)
{
    m_painter.drawRect(blitOf(function, params).target.normalized());
}

void WmfBitmapPainter::fill(const Blit &blit)
{
    const QRectF target = blit.target.normalized();
    switch (blit.rop) {
    case Blackness:
        m_painter.fillRect(target, Qt::black);
        break;
    case Whiteness:
        m_painter.fillRect(target, Qt::white);
        break;
    case PatternCopy:
        m_painter.fillRect(target, m_brush);
        break;
    default:
        break;
    }
}

QImage WmfBitmapPainter::sourceImage(const QImage &image, const Blit &blit)
{
    QRect source = blit.source.normalized();
    if (source.isEmpty())
        return {};
    if (blit.sourceFromBottom)
        source.moveTop(image.height() - source.top() - source.height());
    source = source.intersected(image.rect());
    if (source.isEmpty())
        return {};
    const QImage cropped = source == image.rect() ? image : image.copy(source);
    return cropped.mirrored(blit.source.width() < 0, blit.source.height() < 0);
}

QImage WmfBitmapPainter::withRasterOperation(QImage image, quint32 rop)
{
    if (rop != SourceAnd && rop != SourcePaint)
        return image;
    // AND keeps what lies under white, OR what lies under black.
    const QRgb clear = rop == SourceAnd ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == clear)
                line[x] = 0;
        }
    }
    return image;
}

void WmfBitmapPainter::drawBitmap(const Blit &blit)
{
    if (blit.rop == Blackness || blit.rop == Whiteness || blit.rop == PatternCopy) {
        fill(blit);
        return;
    }
    if (blit.target.width() == 0 || blit.target.height() == 0)
        return;
    const QRectF onDevice = m_painter.worldTransform().mapRect(blit.target.normalized());
    if (m_visible && !onDevice.intersects(*m_visible))
        return;
    // Charged whether decoded now or kept from before, so that every play
    // of the picture shows the same bitmaps.
    const std::optional<WmfDibHeader> header = WmfDibHeader::read(blit.dib, blit.colorUsage);
    if (!header || header->width * header->height > m_pixelBudget)
        return;
    m_pixelBudget -= header->width * header->height;
    const QImage *kept = m_cache ? m_cache->find(blit.dib.data()) : nullptr;
    const QImage image = kept ? *kept : keptImage(blit);
    if (!kept && m_cache)
        m_cache->insert(blit.dib.data(), image);
    if (image.isNull())
        return;
    const QTransform placement(blit.target.width() / image.width(), 0, 0, blit.target.height() / image.height(),
                               blit.target.x(), blit.target.y());
    m_painter.save();
    // Reduced, every pixel counts towards what shows; enlarged, pixels stay
    // sharp as they were drawn.
    if (image.width() > onDevice.width() || image.height() > onDevice.height())
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setWorldTransform(placement, true);
    m_painter.drawImage(QPointF(0, 0), image);
    m_painter.restore();
}

// The bitmap as drawn, with no more pixels than a print can use.
QImage WmfBitmapPainter::keptImage(const Blit &blit)
{
    const QImage decoded = WmfDib::decode(blit.dib, blit.colorUsage);
    if (decoded.isNull())
        return {};
    Blit source = blit;
    if (blit.source.isNull())
        source.source = decoded.rect();
    const QImage image = withRasterOperation(sourceImage(decoded, source), blit.rop);
    const QSize largest(WmfBitmapCache::MaxSide, WmfBitmapCache::MaxSide);
    if (image.isNull() || (image.width() <= largest.width() && image.height() <= largest.height()))
        return image;
    return image.scaled(image.size().boundedTo(largest), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
