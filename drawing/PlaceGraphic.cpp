// SPDX-License-Identifier: MIT
#include "drawing/PlaceGraphic.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "surface/Picture.h"
#include "surface/PrintSurface.h"

#include <QColor>
#include <QSizeF>
#include <algorithm>

namespace {

constexpr int MaxWidth = 4800;
constexpr float BoxHeight = 3200;
constexpr int LayoutRight = 11460;
constexpr int Margin = 50;
constexpr qint16 FrameWidth = 16;
const QColor FrameColor(192, 32, 128);

// The frame, 100 wider than the picture, must end at the layout's right edge.
float boxWidth(qint16 leftM)
{
    return float(std::clamp(LayoutRight - leftM - 2 * Margin, 0, MaxWidth));
}

} // namespace

void PlaceGraphic(PrintSurface &surface, const Picture &picture, QSizeF holderSize, qint16 leftM, qint16 topM)
{
    const float w = float(holderSize.width());
    const float h = float(holderSize.height());
    if (w == 0)
        throw RuntimeError(RuntimeError::DivisionByZero);
    const float r = h / w;

    const float box = boxWidth(leftM);
    qint16 W = 0;
    qint16 H = 0;
    if (h / BoxHeight > w / box) {
        H = qint16(BoxHeight);
        W = CInt(BoxHeight / r);
    } else {
        W = qint16(box);
        H = CInt(r * box);
    }

    surface.PaintPicture(picture, addInt16(leftM, Margin), addInt16(topM, Margin), W, H);
    surface.setDrawWidth(FrameWidth);
    surface.LineBox(leftM, topM, addInt16(W, 2 * Margin), addInt16(H, 2 * Margin), FrameColor);
}
