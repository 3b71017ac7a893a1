// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFont.h"

#include <QBrush>
#include <QColor>
#include <QRegion>
#include <QPen>
#include <QPointF>

#include <optional>

class QTransform;

// The drawing state a metafile changes and SaveDC keeps: mapping, selected
// objects, colours, text and fill modes, current position and clipping.
struct WmfDeviceContext
{
    enum MapMode {
        Text = 1,
        LoMetric = 2,
        HiMetric = 3,
        LoEnglish = 4,
        HiEnglish = 5,
        Twips = 6,
        Isotropic = 7,
        Anisotropic = 8,
    };

    int mapMode = Text;
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};

    QPen pen{Qt::black, 0};
    QBrush brush{Qt::white};
    WmfFont font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    bool opaqueBackground = true;
    quint16 textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF position;
    // In the painter's device coordinates; empty means no clipping.
    std::optional<QRegion> clip;

    // Logical to device units, where a device unit is 1/unitsPerInch inch.
    QTransform logicalToDevice(double unitsPerInch) const;
    bool usesExtents() const { return mapMode == Isotropic || mapMode == Anisotropic; }
};
