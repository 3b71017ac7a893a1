// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfPlaceable.h"
#include "input/wmf/WmfRecord.h"

#include <QByteArray>

#include <optional>
#include <vector>

// A metafile whose headers and records have all been checked against the
// data they lie in.
struct WmfDocument
{
    QByteArray data;
    std::vector<WmfRecord> records;
    std::optional<WmfPlaceable> placeable;
};
