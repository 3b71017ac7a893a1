// SPDX-License-Identifier: MIT
#pragma once

#include <QPolygonF>
#include <QRectF>

#include <vector>

// Cuts geometry down to a rectangle, so that a pen is never stroked, a dash
// pattern laid out or an area filled along lengths nobody sees.
class WmfLineClipper
{
public:
    // The parts of a polyline inside rect. Runs of segments that stay inside
    // remain one polyline, joins and dashes unchanged.
    static std::vector<QPolygonF> clip(const QPolygonF &polyline, const QRectF &rect);
    // The closed polygon cut to rect: what it covers inside rect is the
    // same, under either fill rule.
    static QPolygonF clipPolygon(const QPolygonF &polygon, const QRectF &rect);
};
