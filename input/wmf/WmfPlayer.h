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

// Plays the records of a checked metafile onto a painter, keeping the
// metafile's device context, saved contexts and object table.
class WmfPlayer
{
public:
    // Saved contexts beyond this depth are counted, not stored.
    static constexpr size_t MaxSavedContexts = 1024;
    // A clip region more fragmented than this takes no further exclusions.
    static constexpr int MaxClipRects = 1024;

    // Measuring plays for the drawing's bounds: bitmaps are not decoded.
    enum class Mode { Draw, Measure };

    // frameToPainter maps the frame's device units to the painter's
    // coordinates.
    WmfPlayer(const WmfDocument &document, const WmfFrame &frame, QPainter &painter, const QTransform &frameToPainter,
              Mode mode = Mode::Draw);

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
    bool m_mappingDirty = true;
};
