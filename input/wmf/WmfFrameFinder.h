// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFrame.h"

#include <optional>

struct WmfDocument;

// Decides where a metafile's drawing lies. A placeable header gives it
// directly; otherwise the window the records set, and failing that the
// bounds of what the records draw.
class WmfFrameFinder
{
public:
    // Screen resolution, taken for metafiles that do not say theirs.
    static constexpr double DefaultUnitsPerInch = 96;

    static WmfFrame find(const WmfDocument &document);

private:
    static std::optional<WmfFrame> fromWindow(const WmfDocument &document);
    static WmfFrame fromDrawing(const WmfDocument &document);
};
