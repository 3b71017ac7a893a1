// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

// The placeable header's picture frame: its bounding box in the metafile's
// units and how many of those make an inch.
struct WmfPlaceable
{
    QRectF bounds;
    int unitsPerInch = 0;

    bool usable() const { return bounds.width() > 0 && bounds.height() > 0 && unitsPerInch > 0; }
};
