// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Twips.h"

#include <QSize>
#include <algorithm>

// Where the page shows its picture, in twips: the frame's corner, the room
// the picture may take and the margin between picture and frame.
struct PictureFrame
{
    static constexpr int Left = 8500;
    static constexpr int Top = 300;
    static constexpr int Margin = 50;
    static constexpr int MaxWidth = 4800;
    static constexpr int Height = 3200;
    // The layout's right edge, where the frame must end.
    static constexpr int LayoutRight = 11460;

    // The widest picture in a frame whose left edge is at left.
    static constexpr int widthAt(int left) { return std::clamp(LayoutRight - left - 2 * Margin, 0, MaxWidth); }

    // The most dots the page prints a picture with.
    static constexpr QSize largestPrintedDots()
    {
        return QSize(dotsOf(widthAt(Left)), dotsOf(Height));
    }

private:
    static constexpr int dotsOf(int twips)
    {
        return (twips * PrintDotsPerInch + int(TwipsPerInch) - 1) / int(TwipsPerInch);
    }
};
