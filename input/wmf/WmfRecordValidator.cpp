// SPDX-License-Identifier: MIT
#include "input/wmf/WmfRecordValidator.h"

#include "input/wmf/WmfDib.h"
#include "input/wmf/WmfParams.h"
#include "input/wmf/WmfTextOptions.h"

qsizetype WmfRecordValidator::fixedWords(WmfFunction function)
{
    switch (function) {
    case WmfFunction::SetBkMode:
    case WmfFunction::SetMapMode:
    case WmfFunction::SetPolyFillMode:
    case WmfFunction::SetTextAlign:
    case WmfFunction::RestoreDc:
    case WmfFunction::SelectObject:
    case WmfFunction::DeleteObject:
    case WmfFunction::SelectClipRegion:
    case WmfFunction::PaintRegion:
        return 1;
    case WmfFunction::SetBkColor:
    case WmfFunction::SetTextColor:
    case WmfFunction::SetWindowOrg:
    case WmfFunction::SetWindowExt:
    case WmfFunction::SetViewportOrg:
    case WmfFunction::SetViewportExt:
    case WmfFunction::OffsetWindowOrg:
    case WmfFunction::OffsetViewportOrg:
    case WmfFunction::LineTo:
    case WmfFunction::MoveTo:
    case WmfFunction::OffsetClipRgn:
    case WmfFunction::FillRegion:
        return 2;
    case WmfFunction::CreateBrushIndirect:
    case WmfFunction::ScaleWindowExt:
    case WmfFunction::ScaleViewportExt:
    case WmfFunction::ExcludeClipRect:
    case WmfFunction::IntersectClipRect:
    case WmfFunction::Ellipse:
    case WmfFunction::Rectangle:
    case WmfFunction::SetPixel:
        return 4;
    case WmfFunction::CreatePenIndirect:
        return 5;
    case WmfFunction::RoundRect:
    case WmfFunction::PatBlt:
        return 6;
    case WmfFunction::Arc:
    case WmfFunction::Pie:
    case WmfFunction::Chord:
        return 8;
    case WmfFunction::CreateFontIndirect:
        return 9;
    case WmfFunction::CreateRegion:
        return 11;
    default:
        return 0;
    }
}

bool WmfRecordValidator::fits(const WmfParams &params, WmfFunction function)
{
    return params.words() >= fixedWords(function) && countedFits(params, function);
}

bool WmfRecordValidator::countedFits(const WmfParams &params, WmfFunction function)
{
    switch (function) {
    case WmfFunction::Polygon:
    case WmfFunction::Polyline:
        return params.words() >= 1 && params.words() - 1 >= 2 * qsizetype(params.wordAt(0));
    case WmfFunction::PolyPolygon:
        return polyPolygonFits(params);
    case WmfFunction::TextOut:
        return textFits(params);
    case WmfFunction::ExtTextOut:
        return extTextFits(params);
    case WmfFunction::StretchDib:
    case WmfFunction::DibStretchBlt:
    case WmfFunction::DibBitBlt:
    case WmfFunction::SetDibToDev:
    case WmfFunction::DibCreatePatternBrush:
        return bitmapFits(params, function);
    default:
        return true;
    }
}

bool WmfRecordValidator::polyPolygonFits(const WmfParams &params)
{
    if (params.words() < 1)
        return false;
    const qsizetype polygons = params.wordAt(0);
    if (params.words() < 1 + polygons)
        return false;
    qsizetype points = 0;
    for (qsizetype i = 0; i < polygons; ++i)
        points += params.wordAt(1 + i);
    return params.words() - 1 - polygons >= 2 * points;
}

bool WmfRecordValidator::textFits(const WmfParams &params)
{
    const qsizetype length = params.at(0);
    return params.words() >= 1 && length >= 0 && params.words() >= 1 + (length + 1) / 2 + 2;
}

bool WmfRecordValidator::extTextFits(const WmfParams &params)
{
    if (params.words() < 4)
        return false;
    const qsizetype length = params.at(2);
    const qsizetype rectWords = params.wordAt(3) & (WmfTextOptions::Opaque | WmfTextOptions::Clipped) ? 4 : 0;
    return length >= 0 && params.words() >= 4 + rectWords + (length + 1) / 2;
}

bool WmfRecordValidator::bitmapFits(const WmfParams &params, WmfFunction function)
{
    const auto kind = quint16(function);
    const bool withoutBitmap = params.words() == kind >> 8;
    switch (function) {
    case WmfFunction::StretchDib:
        return params.words() >= 11 && WmfDib::fits(params.bytesFrom(22), params.wordAt(2));
    case WmfFunction::DibStretchBlt:
        return withoutBitmap || (params.words() >= 10 && WmfDib::fits(params.bytesFrom(20), 0));
    case WmfFunction::DibBitBlt:
        return withoutBitmap || (params.words() >= 8 && WmfDib::fits(params.bytesFrom(16), 0));
    case WmfFunction::SetDibToDev:
        return params.words() >= 9 && WmfDib::fits(params.bytesFrom(18), params.wordAt(0));
    default:
        return params.words() >= 2 && WmfDib::fits(params.bytesFrom(4), params.wordAt(1));
    }
}
