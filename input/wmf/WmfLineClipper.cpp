// SPDX-License-Identifier: MIT
#include "input/wmf/WmfLineClipper.h"

#include <functional>
#include <optional>
#include <utility>

namespace {

// Liang-Barsky: the part of the segment from a to b inside rect.
std::optional<std::pair<QPointF, QPointF>> clippedSegment(QPointF a, QPointF b, const QRectF &rect)
{
    const QPointF d = b - a;
    double enter = 0;
    double leave = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > leave)
                return false;
            enter = std::max(enter, t);
        } else {
            if (t < enter)
                return false;
            leave = std::min(leave, t);
        }
        return true;
    };
    if (!edge(-d.x(), a.x() - rect.left()) || !edge(d.x(), rect.right() - a.x()) || !edge(-d.y(), a.y() - rect.top())
        || !edge(d.y(), rect.bottom() - a.y()))
        return std::nullopt;
    return std::pair(a + enter * d, a + leave * d);
}

} // namespace

std::vector<QPolygonF> WmfLineClipper::clip(const QPolygonF &polyline, const QRectF &rect)
{
    std::vector<QPolygonF> parts;
    QPolygonF current;
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        const auto segment = clippedSegment(polyline[i - 1], polyline[i], rect);
        if (!segment)
            continue;
        if (current.isEmpty() || current.last() != segment->first) {
            if (current.size() > 1)
                parts.push_back(std::move(current));
            current = QPolygonF{segment->first};
        }
        current.append(segment->second);
        if (segment->second != polyline[i]) {
            parts.push_back(std::move(current));
            current = QPolygonF();
        }
    }
    if (current.size() > 1)
        parts.push_back(std::move(current));
    return parts;
}

QPolygonF WmfLineClipper::clipPolygon(const QPolygonF &polygon, const QRectF &rect)
{
    // Sutherland-Hodgman, one edge of the rectangle at a time.
    struct Edge
    {
        std::function<bool(QPointF)> inside;
        std::function<QPointF(QPointF, QPointF)> cut;
    };
    const auto atX = [](QPointF a, QPointF b, qreal x) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    const auto atY = [](QPointF a, QPointF b, qreal y) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    const Edge edges[] = {
        {[&](QPointF p) { return p.x() >= rect.left(); }, [&](QPointF a, QPointF b) { return atX(a, b, rect.left()); }},
        {[&](QPointF p) { return p.x() <= rect.right(); }, [&](QPointF a, QPointF b) { return atX(a, b, rect.right()); }},
        {[&](QPointF p) { return p.y() >= rect.top(); }, [&](QPointF a, QPointF b) { return atY(a, b, rect.top()); }},
        {[&](QPointF p) { return p.y() <= rect.bottom(); }, [&](QPointF a, QPointF b) { return atY(a, b, rect.bottom()); }},
    };
    QPolygonF result = polygon;
    for (const Edge &edge : edges) {
        const QPolygonF input = std::exchange(result, QPolygonF());
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QPointF current = input[i];
            const QPointF previous = input[(i + input.size() - 1) % input.size()];
            if (edge.inside(current)) {
                if (!edge.inside(previous))
                    result.append(edge.cut(previous, current));
                result.append(current);
            } else if (edge.inside(previous)) {
                result.append(edge.cut(previous, current));
            }
        }
    }
    return result;
}
