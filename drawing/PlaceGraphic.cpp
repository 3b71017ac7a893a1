// SPDX-License-Identifier: MIT
#include "drawing/PlaceGraphic.h"

#include "page/Picture.h"
#include "page/PictureFrame.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "surface/PrintSurface.h"

#include <QColor>
#include <QSizeF>

namespace {

constexpr float BoxHeight = PictureFrame::Height;
constexpr int Margin = PictureFrame::Margin;
constexpr qint16 FrameWidth = 16;
const QColor FrameColor(192, 32, 128);

} // namespace

void PlaceGraphic(PrintSurface &surface, const Picture &picture, QSizeF holderSize, qint16 leftM, qint16 topM)
{
    const float w = float(holderSize.width());
    const float h = float(holderSize.height());
    if (w == 0)
        throw RuntimeError(RuntimeError::DivisionByZero);
    const float r = h / w;

    const float box = float(PictureFrame::widthAt(leftM));
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
