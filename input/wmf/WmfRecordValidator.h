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

    // Text records: which options carry a rectangle before the string.
    static constexpr quint16 TextOpaque = 0x0002;
    static constexpr quint16 TextClipped = 0x0004;

private:
    static qsizetype fixedWords(WmfFunction function);
    static bool countedFits(const WmfParams &params, WmfFunction function);
    static bool polyPolygonFits(const WmfParams &params);
    static bool textFits(const WmfParams &params);
    static bool extTextFits(const WmfParams &params);
    static bool bitmapFits(const WmfParams &params, WmfFunction function);
};
