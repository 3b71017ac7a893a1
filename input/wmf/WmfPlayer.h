// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfDeviceContext.h"
#include "input/wmf/WmfFunction.h"
#include "input/wmf/WmfObjectTable.h"

#include <QTransform>

#include <optional>
#include <vector>

struct WmfDocument;
struct WmfFrame;
struct WmfRecord;
class WmfParams;
class QPainter;
class QRectF;
class QPainterPath;
class WmfBitmapCache;
class QPolygonF;

// Plays the records of a checked metafile onto a painter, keeping the
// metafile's device context, saved contexts and object table.
class WmfPlayer
{
public:
    // Saved contexts beyond this depth are counted, not stored.
    static constexpr size_t MaxSavedContexts = 1024;
    // A clip region more fragmented than this takes no further exclusions.
    static constexpr int MaxClipRects = 1024;
    // Drawing work one play does at most, a record counting one and each
    // point or character it draws one more (a record that would pass it is
    // left out): beyond any clip art (a detailed one has some tens of
    // thousands), and within about a second even for wide, sharply turning
    // lines.
    static constexpr qint64 MaxWork = 100'000;
    // Bitmap pixels one play draws at most (the largest bitmap a record may
    // hold); bitmaps beyond it are left out.
    static constexpr qint64 MaxBitmapPixels = qint64(1) << 24;

    // Measuring plays for the drawing's bounds: bitmaps are not decoded.
    enum class Mode { Draw, Measure };

    // frameToPainter maps the frame's device units to the painter's
    // coordinates.
    WmfPlayer(const WmfDocument &document, const WmfFrame &frame, QPainter &painter, const QTransform &frameToPainter,
              Mode mode = Mode::Draw, WmfBitmapCache *bitmaps = nullptr);

    void play();

private:
    void playRecord(const WmfRecord &record);
    bool playState(WmfFunction function, const WmfParams &params);
    bool playMapping(WmfFunction function, const WmfParams &params);
    bool playObject(WmfFunction function, const WmfParams &params);
    bool playClip(WmfFunction function, const WmfParams &params);
    bool playShape(WmfFunction function, const WmfParams &params);
    bool playOutput(WmfFunction function, const WmfParams &params);

    void setExtent(QPointF &extent, QPointF value);
    void scaleExtent(QPointF &extent, const WmfParams &params);
    void selectObject(int index);
    void saveContext();
    void restoreContext(int level);
    void setClip(std::optional<QRegion> clip);
    void offsetClip(QPointF logicalOffset);
    QRegion deviceRegion(const QRectF &logicalRect) const;
    void fillRegion(int regionIndex, const QBrush &brush);
    void drawBitmap(WmfFunction function, const WmfParams &params);

    void drawArcShape(WmfFunction function, const WmfParams &params);
    void drawPolygon(const WmfParams &params, bool closed);
    void drawPolyPolygon(const WmfParams &params);
    void drawTextOut(const WmfParams &params);
    void drawExtTextOut(const WmfParams &params);
    void drawText(QPointF origin, QByteArrayView text, std::vector<qreal> dx, std::optional<QRectF> rect,
                  quint16 options);

    void strokePolyline(const QPolygonF &polyline);
    void strokeClipped(const QPolygonF &onDevice, const QRectF &bounds);
    qreal maxPenWidth() const;
    void drawShape(const QPainterPath &outline, bool closed);
    bool fitsStrokeBounds(const QRectF &logicalBounds) const;
    std::optional<QRectF> strokeBounds() const;

    void prepareStroke();
    void prepareShape();
    void prepareMapping();
    QTransform logicalToPainter() const;

    const WmfDocument &m_document;
    QPainter &m_painter;
    QTransform m_frameToPainter;
    double m_unitsPerInch = 96;
    WmfDeviceContext m_dc;
    std::vector<WmfDeviceContext> m_saved;
    int m_droppedSaves = 0;
    WmfObjectTable m_objects;
    Mode m_mode = Mode::Draw;
    std::optional<QRegion> m_outerClip;
    // Where the frame lands on the device, when drawing: nothing beyond it
    // shows, so strokes are cut to it and pens are never wider.
    std::optional<QRectF> m_visible;
    WmfBitmapCache *m_bitmaps = nullptr;
    qint64 m_work = 0;
    qint64 m_bitmapPixels = MaxBitmapPixels;
    bool m_mappingDirty = true;
};
