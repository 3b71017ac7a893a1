// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFunction.h"

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>

#include <vector>

// Builds metafiles for tests, record by record; coordinates are written in
// the order the records store them.
class WmfWriter
{
public:
    WmfWriter &record(WmfFunction function, const std::vector<qint16> &words);
    WmfWriter &record(quint16 function, const QByteArray &params);
    // A record whose size field says words, followed by the given bytes.
    WmfWriter &rawRecord(quint32 words, quint16 function, const QByteArray &params);

    WmfWriter &pen(quint16 style, qint16 width, QColor color);
    WmfWriter &brush(quint16 style, QColor color, quint16 hatch = 0);
    WmfWriter &font(qint16 height, const QByteArray &face, qint16 escapement = 0);
    WmfWriter &select(quint16 index);
    WmfWriter &remove(quint16 index);
    WmfWriter &rectangle(QRect rect);
    WmfWriter &polygon(WmfFunction function, const std::vector<QPoint> &points);
    WmfWriter &polyPolygon(const std::vector<std::vector<QPoint>> &polygons);
    WmfWriter &textOut(QPoint at, const QByteArray &text);
    WmfWriter &extTextOut(QPoint at, const QByteArray &text, quint16 options, QRect rect,
                          const std::vector<qint16> &dx = {});
    WmfWriter &point(WmfFunction function, QPoint p);
    WmfWriter &color(WmfFunction function, QColor color);
    WmfWriter &stretchDib(QRect target, QSize source, const QByteArray &dib, quint32 rop = 0x00CC0020);

    // A placeable metafile with the given bounding box.
    QByteArray placeable(QRect bounds, quint16 unitsPerInch, quint16 objects = 16) const;
    QByteArray standard(quint16 objects = 16, bool withEof = true) const;

    static QByteArray colorRef(QColor color);
    // A bottom-up 24-bit DIB; rows are given top first.
    static QByteArray dib24(const std::vector<std::vector<QColor>> &rows);
    // A DIB with a colour table and the given (possibly compressed) bits.
    static QByteArray dibIndexed(QSize size, quint16 bitCount, quint32 compression,
                                 const std::vector<QColor> &palette, const QByteArray &bits);

private:
    QByteArray m_records;
};
