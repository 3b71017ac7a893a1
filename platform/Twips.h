// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// Page and window layouts are given in twips: 1440 to the inch. On the
// window a logical pixel is 15 twips.
inline constexpr double TwipsPerInch = 1440;
inline constexpr int TwipsPerPixel = 15;
// The finest the program prints: PDFs are written at it, and pictures are
// never printed with more dots.
inline constexpr int PrintDotsPerInch = 600;

constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// Left, top, width, height in twips to a widget geometry in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
