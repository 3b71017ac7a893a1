// SPDX-License-Identifier: MIT
#include "input/wmf/WmfPlayer.h"

#include "input/wmf/WmfBitmapPainter.h"
#include "input/wmf/WmfDocument.h"
#include "input/wmf/WmfFrame.h"
#include "input/wmf/WmfLineClipper.h"
#include "input/wmf/WmfObjectFactory.h"
#include "input/wmf/WmfParams.h"
#include "input/wmf/WmfTextOptions.h"
#include "input/wmf/WmfTextPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr quint16 TextUpdatesPosition = 0x0001;
constexpr int BackgroundTransparent = 1;
constexpr int BackgroundOpaque = 2;
constexpr int FillAlternate = 1;
constexpr int FillWinding = 2;
constexpr qreal MaxExtent = 1e9;
// Device coordinates of clip regions are kept within this, which also stands
// for "everything" when a rectangle is excluded before any other clipping.
constexpr qreal Unbounded = 1e9;

QRect boundedRect(const QRectF &rect)
{
    const auto bound = [](qreal v) { return qRound(qBound(-Unbounded, v, Unbounded)); };
    return QRect(QPoint(bound(rect.left()), bound(rect.top())), QPoint(bound(rect.right()), bound(rect.bottom())))
        .normalized();
}

// The angle Qt's arcs use for the point where the ray from the rectangle's
// centre through p meets the ellipse.
qreal arcAngle(const QRectF &rect, QPointF p)
{
    const QPointF d = p - rect.center();
    return std::atan2(-d.y() / rect.height(), d.x() / rect.width()) * 180 / M_PI;
}

} // namespace

WmfPlayer::WmfPlayer(const WmfDocument &document, const WmfFrame &frame, QPainter &painter,
                     const QTransform &frameToPainter, Mode mode, WmfBitmapCache *bitmaps)
    : m_document(document)
    , m_painter(painter)
    , m_frameToPainter(frameToPainter)
    , m_unitsPerInch(frame.unitsPerInch)
    , m_mode(mode)
    , m_bitmaps(bitmaps)
{
    // As an application plays a metafile into a rectangle: anisotropic, with
    // the frame's window stretched onto it until the records say otherwise.
    m_dc.mapMode = WmfDeviceContext::Anisotropic;
    m_dc.windowOrg = frame.windowOrg;
    m_dc.windowExt = frame.windowExt;
    m_dc.viewportOrg = frame.viewportOrg;
    m_dc.viewportExt = frame.viewportExt;
    m_dc.font.font.setFamily(QStringLiteral("Arial"));
    if (painter.hasClipping())
        m_outerClip = painter.worldTransform().map(painter.clipRegion());
    if (mode == Mode::Draw) {
        m_visible = frameToPainter.mapRect(frame.bounds);
        if (m_outerClip)
            m_visible = m_visible->intersected(m_outerClip->boundingRect());
    }
}

void WmfPlayer::play()
{
    for (const WmfRecord &record : m_document.records) {
        if (++m_work > MaxWork)
            return;
        playRecord(record);
    }
}

void WmfPlayer::playRecord(const WmfRecord &record)
{
    const WmfParams params(m_document.data, record);
    const WmfFunction function = record.function;
    playState(function, params) || playMapping(function, params) || playObject(function, params)
        || playClip(function, params) || playShape(function, params) || playOutput(function, params);
}

bool WmfPlayer::playState(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::SetTextColor:
        m_dc.textColor = params.colorAt(0);
        return true;
    case WmfFunction::SetBkColor:
        m_dc.backgroundColor = params.colorAt(0);
        return true;
    case WmfFunction::SetBkMode:
        if (params.at(0) == BackgroundTransparent || params.at(0) == BackgroundOpaque)
            m_dc.opaqueBackground = params.at(0) == BackgroundOpaque;
        return true;
    case WmfFunction::SetPolyFillMode:
        if (params.at(0) == FillAlternate || params.at(0) == FillWinding)
            m_dc.fillRule = params.at(0) == FillWinding ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case WmfFunction::SetTextAlign:
        m_dc.textAlign = params.wordAt(0);
        return true;
    case WmfFunction::SaveDc:
        saveContext();
        return true;
    case WmfFunction::RestoreDc:
        restoreContext(params.at(0));
        return true;
    default:
        return false;
    }
}

bool WmfPlayer::playMapping(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::SetMapMode:
        if (params.at(0) >= WmfDeviceContext::Text && params.at(0) <= WmfDeviceContext::Anisotropic)
            m_dc.mapMode = params.at(0);
        break;
    case WmfFunction::SetWindowOrg:
        m_dc.windowOrg = params.pointYx(0);
        break;
    case WmfFunction::SetViewportOrg:
        m_dc.viewportOrg = params.pointYx(0);
        break;
    case WmfFunction::OffsetWindowOrg:
        m_dc.windowOrg += params.pointYx(0);
        break;
    case WmfFunction::OffsetViewportOrg:
        m_dc.viewportOrg += params.pointYx(0);
        break;
    case WmfFunction::SetWindowExt:
        setExtent(m_dc.windowExt, params.pointYx(0));
        break;
    case WmfFunction::SetViewportExt:
        setExtent(m_dc.viewportExt, params.pointYx(0));
        break;
    case WmfFunction::ScaleWindowExt:
        scaleExtent(m_dc.windowExt, params);
        break;
    case WmfFunction::ScaleViewportExt:
        scaleExtent(m_dc.viewportExt, params);
        break;
    default:
        return false;
    }
    m_mappingDirty = true;
    return true;
}

void WmfPlayer::setExtent(QPointF &extent, QPointF value)
{
    // Extents only apply in the scalable modes; a zero one is refused, and so
    // is one scaled past any sensible size.
    const auto usable = [](qreal v) { return v != 0 && std::abs(v) <= MaxExtent; };
    if (m_dc.usesExtents() && usable(value.x()) && usable(value.y()))
        extent = value;
}

void WmfPlayer::scaleExtent(QPointF &extent, const WmfParams &params)
{
    const qint16 yDenominator = params.at(0);
    const qint16 xDenominator = params.at(2);
    if (yDenominator == 0 || xDenominator == 0)
        return;
    setExtent(extent, QPointF(std::trunc(extent.x() * params.at(3) / xDenominator),
                              std::trunc(extent.y() * params.at(1) / yDenominator)));
}

bool WmfPlayer::playObject(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::CreatePenIndirect:
        m_objects.add(WmfObjectFactory::pen(params));
        return true;
    case WmfFunction::CreateBrushIndirect:
        m_objects.add(WmfObjectFactory::brush(params));
        return true;
    case WmfFunction::DibCreatePatternBrush:
        m_objects.add(WmfObjectFactory::dibPatternBrush(params));
        return true;
    case WmfFunction::CreatePatternBrush:
        m_objects.add(QBrush(Qt::gray));
        return true;
    case WmfFunction::CreateFontIndirect:
        m_objects.add(WmfObjectFactory::font(params));
        return true;
    case WmfFunction::CreateRegion:
        m_objects.add(WmfObjectFactory::region(params));
        return true;
    case WmfFunction::CreatePalette:
        m_objects.add(std::monostate());
        return true;
    case WmfFunction::SelectObject:
        selectObject(params.wordAt(0));
        return true;
    case WmfFunction::DeleteObject:
        m_objects.remove(params.wordAt(0));
        return true;
    default:
        return false;
    }
}

void WmfPlayer::selectObject(int index)
{
    const WmfObject *object = m_objects.at(index);
    if (!object)
        return;
    if (const auto *pen = std::get_if<QPen>(object))
        m_dc.pen = *pen;
    else if (const auto *brush = std::get_if<QBrush>(object))
        m_dc.brush = *brush;
    else if (const auto *font = std::get_if<WmfFont>(object))
        m_dc.font = *font;
    else if (const auto *region = std::get_if<WmfRegion>(object))
        setClip(deviceRegion(region->bounds));
}

void WmfPlayer::saveContext()
{
    if (m_saved.size() < MaxSavedContexts)
        m_saved.push_back(m_dc);
    else
        ++m_droppedSaves;
}

void WmfPlayer::restoreContext(int level)
{
    if (level > 0) {
        if (size_t(level) > m_saved.size())
            return;
        m_droppedSaves = 0;
        m_saved.resize(size_t(level));
    }
    for (int i = level > 0 ? 1 : -level; i > 0; --i) {
        if (m_droppedSaves > 0) {
            --m_droppedSaves;
        } else if (!m_saved.empty()) {
            m_dc = std::move(m_saved.back());
            m_saved.pop_back();
        }
    }
    m_mappingDirty = true;
    setClip(m_dc.clip);
}

bool WmfPlayer::playClip(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::IntersectClipRect: {
        const QRegion rect = deviceRegion(params.rectBrtl(0));
        setClip(m_dc.clip ? m_dc.clip->intersected(rect) : rect);
        return true;
    }
    case WmfFunction::ExcludeClipRect: {
        const QRegion all(boundedRect(QRectF(-Unbounded, -Unbounded, 2 * Unbounded, 2 * Unbounded)));
        const QRegion excluded = m_dc.clip.value_or(all).subtracted(deviceRegion(params.rectBrtl(0)));
        if (excluded.rectCount() <= MaxClipRects)
            setClip(excluded);
        return true;
    }
    case WmfFunction::SelectClipRegion: {
        const WmfObject *object = m_objects.at(params.wordAt(0));
        const auto *region = object ? std::get_if<WmfRegion>(object) : nullptr;
        setClip(region ? std::optional(deviceRegion(region->bounds)) : std::nullopt);
        return true;
    }
    case WmfFunction::OffsetClipRgn:
        if (m_dc.clip)
            offsetClip(params.pointYx(0));
        return true;
    default:
        return false;
    }
}

void WmfPlayer::offsetClip(QPointF logicalOffset)
{
    const QTransform transform = logicalToPainter();
    const QPointF shift = transform.map(logicalOffset) - transform.map(QPointF(0, 0));
    const QRectF moved = QRectF(m_dc.clip->boundingRect()).translated(shift);
    // A region pushed out of the device's range clips everything away.
    if (!QRectF(-Unbounded, -Unbounded, 2 * Unbounded, 2 * Unbounded).contains(moved))
        setClip(QRegion());
    else
        setClip(m_dc.clip->translated(qRound(shift.x()), qRound(shift.y())));
}

QRegion WmfPlayer::deviceRegion(const QRectF &logicalRect) const
{
    return QRegion(boundedRect(logicalToPainter().mapRect(logicalRect.normalized())));
}

void WmfPlayer::setClip(std::optional<QRegion> clip)
{
    m_dc.clip = std::move(clip);
    std::optional<QRegion> effective = m_dc.clip;
    if (m_outerClip)
        effective = effective ? effective->intersected(*m_outerClip) : *m_outerClip;
    m_painter.setWorldTransform(QTransform());
    if (effective)
        m_painter.setClipRegion(*effective);
    else
        m_painter.setClipping(false);
    m_mappingDirty = true;
}

bool WmfPlayer::playShape(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::MoveTo:
        m_dc.position = params.pointYx(0);
        return true;
    case WmfFunction::LineTo:
        prepareStroke();
        strokePolyline(QPolygonF{m_dc.position, params.pointYx(0)});
        m_dc.position = params.pointYx(0);
        return true;
    case WmfFunction::Rectangle: {
        prepareShape();
        const QRectF rect = params.rectBrtl(0).normalized();
        if (fitsStrokeBounds(rect)) {
            m_painter.drawRect(rect);
        } else {
            QPainterPath outline;
            outline.addRect(rect);
            drawShape(outline, true);
        }
        return true;
    }
    case WmfFunction::RoundRect: {
        prepareShape();
        const QRectF rect = params.rectBrtl(2).normalized();
        const qreal xRadius = std::abs(params.at(1)) / 2.0;
        const qreal yRadius = std::abs(params.at(0)) / 2.0;
        if (fitsStrokeBounds(rect)) {
            m_painter.drawRoundedRect(rect, xRadius, yRadius);
        } else {
            QPainterPath outline;
            outline.addRoundedRect(rect, xRadius, yRadius);
            drawShape(outline, true);
        }
        return true;
    }
    case WmfFunction::Ellipse: {
        prepareShape();
        const QRectF rect = params.rectBrtl(0).normalized();
        if (fitsStrokeBounds(rect)) {
            m_painter.drawEllipse(rect);
        } else {
            QPainterPath outline;
            outline.addEllipse(rect);
            drawShape(outline, true);
        }
        return true;
    }
    case WmfFunction::Arc:
    case WmfFunction::Pie:
    case WmfFunction::Chord:
        drawArcShape(function, params);
        return true;
    case WmfFunction::Polygon:
    case WmfFunction::Polyline:
        drawPolygon(params, function == WmfFunction::Polygon);
        return true;
    case WmfFunction::PolyPolygon:
        drawPolyPolygon(params);
        return true;
    case WmfFunction::SetPixel:
        prepareMapping();
        m_painter.fillRect(QRectF(params.pointYx(2), QSizeF(1, 1)), params.colorAt(0));
        return true;
    default:
        return false;
    }
}

void WmfPlayer::drawArcShape(WmfFunction function, const WmfParams &params)
{
    const QRectF rect = params.rectBrtl(4).normalized();
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const qreal start = arcAngle(rect, params.pointYx(2));
    qreal sweep = arcAngle(rect, params.pointYx(0)) - start;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (function == WmfFunction::Pie)
        path.moveTo(rect.center());
    else
        path.arcMoveTo(rect, start);
    path.arcTo(rect, start, sweep);
    if (function == WmfFunction::Arc) {
        prepareStroke();
    } else {
        path.closeSubpath();
        prepareShape();
    }
    if (fitsStrokeBounds(rect))
        m_painter.drawPath(path);
    else
        drawShape(path, function != WmfFunction::Arc);
}

void WmfPlayer::drawPolygon(const WmfParams &params, bool closed)
{
    const int count = params.wordAt(0);
    if ((m_work += count) > MaxWork)
        return;
    QPolygonF polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = params.pointXy(1 + 2 * i);
    if (!closed) {
        prepareStroke();
        strokePolyline(polygon);
        return;
    }
    prepareShape();
    if (fitsStrokeBounds(polygon.boundingRect())) {
        m_painter.drawPolygon(polygon, m_dc.fillRule);
    } else {
        QPainterPath outline;
        outline.setFillRule(m_dc.fillRule);
        outline.addPolygon(polygon);
        outline.closeSubpath();
        drawShape(outline, true);
    }
}

void WmfPlayer::drawPolyPolygon(const WmfParams &params)
{
    const int polygons = params.wordAt(0);
    QPainterPath path;
    path.setFillRule(m_dc.fillRule);
    qsizetype word = 1 + polygons;
    for (int p = 0; p < polygons; ++p) {
        const int count = params.wordAt(1 + p);
        if ((m_work += count) > MaxWork)
            return;
        QPolygonF polygon(count);
        for (int i = 0; i < count; ++i, word += 2)
            polygon[i] = params.pointXy(word);
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    prepareShape();
    if (fitsStrokeBounds(path.controlPointRect()))
        m_painter.drawPath(path);
    else
        drawShape(path, true);
}

bool WmfPlayer::playOutput(WmfFunction function, const WmfParams &params)
{
    switch (function) {
    case WmfFunction::TextOut:
        drawTextOut(params);
        return true;
    case WmfFunction::ExtTextOut:
        drawExtTextOut(params);
        return true;
    case WmfFunction::StretchDib:
    case WmfFunction::DibStretchBlt:
    case WmfFunction::DibBitBlt:
    case WmfFunction::SetDibToDev:
    case WmfFunction::PatBlt:
        drawBitmap(function, params);
        return true;
    case WmfFunction::FillRegion: {
        const WmfObject *brush = m_objects.at(params.wordAt(1));
        if (brush && std::holds_alternative<QBrush>(*brush))
            fillRegion(params.wordAt(0), std::get<QBrush>(*brush));
        return true;
    }
    case WmfFunction::PaintRegion:
        fillRegion(params.wordAt(0), m_dc.brush);
        return true;
    default:
        return false;
    }
}

void WmfPlayer::drawBitmap(WmfFunction function, const WmfParams &params)
{
    prepareShape();
    WmfBitmapPainter painter(m_painter, m_dc.brush, m_bitmapPixels, m_visible, m_bitmaps);
    if (m_mode == Mode::Measure)
        painter.drawTarget(function, params);
    else
        painter.draw(function, params);
}

void WmfPlayer::fillRegion(int regionIndex, const QBrush &brush)
{
    const WmfObject *object = m_objects.at(regionIndex);
    if (!object || !std::holds_alternative<WmfRegion>(*object))
        return;
    prepareMapping();
    m_painter.fillRect(std::get<WmfRegion>(*object).bounds, brush);
}

void WmfPlayer::drawTextOut(const WmfParams &params)
{
    const qsizetype length = params.at(0);
    const qsizetype after = 1 + (length + 1) / 2;
    drawText(QPointF(params.at(after + 1), params.at(after)), params.bytes(2, length), {}, std::nullopt, 0);
}

void WmfPlayer::drawExtTextOut(const WmfParams &params)
{
    const qsizetype length = params.at(2);
    const quint16 options = params.wordAt(3);
    std::optional<QRectF> rect;
    qsizetype word = 4;
    if (options & (WmfTextOptions::Opaque | WmfTextOptions::Clipped)) {
        rect = QRectF(params.pointXy(4), params.pointXy(6));
        word += 4;
    }
    const QByteArrayView text = params.bytes(word * 2, length);
    word += (length + 1) / 2;
    std::vector<qreal> dx;
    if (params.words() >= word + length) {
        dx.reserve(size_t(length));
        for (qsizetype i = 0; i < length; ++i)
            dx.push_back(params.at(word + i));
    }
    drawText(params.pointYx(0), text, std::move(dx), rect, options);
}

void WmfPlayer::drawText(QPointF origin, QByteArrayView text, std::vector<qreal> dx, std::optional<QRectF> rect,
                         quint16 options)
{
    if ((m_work += text.size()) > MaxWork)
        return;
    const bool fromPosition = m_dc.textAlign & TextUpdatesPosition;
    prepareMapping();
    WmfTextPainter painter(m_painter, m_dc, logicalToPainter());
    const qreal advance = painter.draw(fromPosition ? m_dc.position : origin, text, dx, rect, options);
    if (fromPosition)
        m_dc.position.rx() += advance;
    m_mappingDirty = true;
}

QTransform WmfPlayer::logicalToPainter() const
{
    return m_dc.logicalToDevice(m_unitsPerInch) * m_frameToPainter;
}

void WmfPlayer::prepareMapping()
{
    if (!m_mappingDirty)
        return;
    m_painter.setWorldTransform(logicalToPainter());
    m_mappingDirty = false;
}

std::optional<QRectF> WmfPlayer::strokeBounds() const
{
    if (!m_visible)
        return std::nullopt;
    const QTransform &transform = m_painter.worldTransform();
    const qreal scale = std::max(std::hypot(transform.m11(), transform.m12()), std::hypot(transform.m21(), transform.m22()));
    // Room for square caps and joins, which reach past the line's ends.
    const qreal margin = m_painter.pen().widthF() * scale * 2 + 2;
    return m_visible->adjusted(-margin, -margin, margin, margin);
}

bool WmfPlayer::fitsStrokeBounds(const QRectF &logicalBounds) const
{
    const std::optional<QRectF> bounds = strokeBounds();
    return !bounds || bounds->contains(m_painter.worldTransform().mapRect(logicalBounds));
}

void WmfPlayer::strokePolyline(const QPolygonF &polyline)
{
    const std::optional<QRectF> bounds = strokeBounds();
    const QPolygonF onDevice = m_painter.worldTransform().map(polyline);
    if (!bounds || bounds->contains(onDevice.boundingRect()))
        m_painter.drawPolyline(polyline);
    else
        strokeClipped(onDevice, *bounds);
}

void WmfPlayer::strokeClipped(const QPolygonF &onDevice, const QRectF &bounds)
{
    bool invertible = false;
    const QTransform back = m_painter.worldTransform().inverted(&invertible);
    if (!invertible)
        return;
    for (const QPolygonF &part : WmfLineClipper::clip(onDevice, bounds))
        m_painter.drawPolyline(back.map(part));
}

qreal WmfPlayer::maxPenWidth() const
{
    return 2 * std::hypot(m_visible->width(), m_visible->height()) + 2;
}

// A shape reaching far outside the frame: filled and outlined only where it
// can show, its curves flattened at the device's scale so that what shows
// stays smooth.
void WmfPlayer::drawShape(const QPainterPath &outline, bool closed)
{
    bool invertible = false;
    const QTransform back = m_painter.worldTransform().inverted(&invertible);
    if (!invertible)
        return;
    const QRectF bounds = *strokeBounds();
    const QList<QPolygonF> polygons = outline.toSubpathPolygons(m_painter.worldTransform());
    const QPen pen = m_painter.pen();
    const QBrush brush = m_painter.brush();
    if (brush.style() != Qt::NoBrush) {
        QPainterPath inside;
        inside.setFillRule(outline.fillRule());
        for (const QPolygonF &polygon : polygons)
            inside.addPolygon(back.map(WmfLineClipper::clipPolygon(polygon, bounds)));
        m_painter.setPen(Qt::NoPen);
        m_painter.drawPath(inside);
        m_painter.setPen(pen);
    }
    if (pen.style() == Qt::NoPen)
        return;
    m_painter.setBrush(Qt::NoBrush);
    for (QPolygonF polygon : polygons) {
        if (closed && !polygon.isEmpty() && polygon.first() != polygon.last())
            polygon.append(polygon.first());
        strokeClipped(polygon, bounds);
    }
    m_painter.setBrush(brush);
}

void WmfPlayer::prepareStroke()
{
    prepareMapping();
    // Like a printer driver, never draw a line thinner than one device dot,
    // and none wider than the frame can show.
    const QTransform &transform = m_painter.worldTransform();
    const qreal scale = std::hypot(transform.m11(), transform.m12());
    if (m_dc.pen.widthF() * scale < 1) {
        QPen hairline = m_dc.pen;
        hairline.setWidth(0);
        m_painter.setPen(hairline);
    } else if (m_visible && m_dc.pen.widthF() * scale > maxPenWidth()) {
        QPen bounded = m_dc.pen;
        bounded.setWidthF(maxPenWidth() / scale);
        m_painter.setPen(bounded);
    } else {
        m_painter.setPen(m_dc.pen);
    }
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setBackgroundMode(m_dc.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_dc.backgroundColor);
}

void WmfPlayer::prepareShape()
{
    prepareStroke();
    m_painter.setBrush(m_dc.brush);
}
