// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfObject.h"

class WmfParams;

// Builds the graphics objects of the records that create them.
class WmfObjectFactory
{
public:
    // Pattern bitmaps are small tiles; larger ones are not worth the memory.
    static constexpr qint64 MaxPatternPixels = 256 * 256;

    static QPen pen(const WmfParams &params);
    static QBrush brush(const WmfParams &params);
    static QBrush dibPatternBrush(const WmfParams &params);
    static WmfFont font(const WmfParams &params);
    static WmfRegion region(const WmfParams &params);
};
