// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QRectF>

// Where a metafile's drawing lies: the device rectangle that is stretched
// onto the target, the device resolution, and the mapping the play starts
// with.
struct WmfFrame
{
    QRectF bounds;
    double unitsPerInch = 96;
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};
};
