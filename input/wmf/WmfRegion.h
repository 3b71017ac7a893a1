// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

// A region object, kept as its bounding rectangle in logical units.
struct WmfRegion
{
    QRectF bounds;
};
