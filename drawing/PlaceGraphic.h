// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class Picture;
class PrintSurface;
class QSizeF;

// Draws picture at (leftM + 50, topM + 50), scaled with its proportions to
// the largest size that fits its box, inside a frame 50 twips wider on every
// side. holderSize is the holder's width and height in twips. The box is
// 3200 high and 4800 wide, narrowed so the frame never passes x 11460.
// Raises RuntimeError::DivisionByZero for a holder of width 0.
void PlaceGraphic(PrintSurface &surface, const Picture &picture, QSizeF holderSize, qint16 leftM, qint16 topM);
