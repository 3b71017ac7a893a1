// SPDX-License-Identifier: MIT
#include "input/wmf/WmfFrameFinder.h"

#include "input/wmf/WmfDeviceContext.h"
#include "input/wmf/WmfDocument.h"
#include "input/wmf/WmfParams.h"
#include "input/wmf/WmfPlayer.h"

#include <QPainter>
#include <QPicture>

#include <cmath>
#include <optional>

WmfFrame WmfFrameFinder::find(const WmfDocument &document)
{
    if (document.placeable && document.placeable->usable()) {
        WmfFrame frame;
        frame.bounds = document.placeable->bounds;
        frame.unitsPerInch = document.placeable->unitsPerInch;
        frame.windowOrg = frame.viewportOrg = frame.bounds.topLeft();
        frame.windowExt = frame.viewportExt = QPointF(frame.bounds.width(), frame.bounds.height());
        return frame;
    }
    if (std::optional<WmfFrame> frame = fromWindow(document))
        return *frame;
    return fromDrawing(document);
}

std::optional<WmfFrame> WmfFrameFinder::fromWindow(const WmfDocument &document)
{
    std::optional<QPointF> origin;
    std::optional<QPointF> extent;
    for (const WmfRecord &record : document.records) {
        const WmfParams params(document.data, record);
        if (record.function == WmfFunction::SetMapMode && params.at(0) >= WmfDeviceContext::LoMetric
            && params.at(0) <= WmfDeviceContext::Twips && !extent)
            return std::nullopt;
        if (record.function == WmfFunction::SetWindowOrg && !origin)
            origin = params.pointYx(0);
        if (record.function == WmfFunction::SetWindowExt && !extent && params.at(0) != 0 && params.at(1) != 0)
            extent = params.pointYx(0);
    }
    if (!extent)
        return std::nullopt;
    WmfFrame frame;
    frame.unitsPerInch = DefaultUnitsPerInch;
    frame.windowOrg = origin.value_or(QPointF());
    frame.windowExt = *extent;
    frame.viewportExt = QPointF(std::abs(extent->x()), std::abs(extent->y()));
    frame.bounds = QRectF(QPointF(), QSizeF(frame.viewportExt.x(), frame.viewportExt.y()));
    return frame;
}

WmfFrame WmfFrameFinder::fromDrawing(const WmfDocument &document)
{
    WmfFrame frame;
    frame.unitsPerInch = DefaultUnitsPerInch;
    QPicture picture;
    {
        QPainter painter(&picture);
        WmfPlayer(document, frame, painter, QTransform(), WmfPlayer::Mode::Measure).play();
    }
    frame.bounds = picture.boundingRect();
    if (frame.bounds.isEmpty())
        frame.bounds = QRectF(0, 0, DefaultUnitsPerInch, DefaultUnitsPerInch);
    return frame;
}
