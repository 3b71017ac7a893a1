// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFont.h"
#include "input/wmf/WmfRegion.h"

#include <QBrush>
#include <QPen>

#include <variant>

// A graphics object of the metafile's object table. Palettes and objects the
// player does not draw with are kept as placeholders so indices stay right.
using WmfObject = std::variant<std::monostate, QPen, QBrush, WmfFont, WmfRegion>;
