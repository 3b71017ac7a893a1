// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFunction.h"

#include <QtGlobal>

class WmfParams;

// Whether a record's parameters hold everything its function reads: the
// fixed fields, the points it counts, its text and its bitmap.
class WmfRecordValidator
{
public:
    static bool fits(const WmfParams &params, WmfFunction function);

private:
    static qsizetype fixedWords(WmfFunction function);
    static bool countedFits(const WmfParams &params, WmfFunction function);
    static bool polyPolygonFits(const WmfParams &params);
    static bool textFits(const WmfParams &params);
    static bool extTextFits(const WmfParams &params);
    static bool bitmapFits(const WmfParams &params, WmfFunction function);
};
