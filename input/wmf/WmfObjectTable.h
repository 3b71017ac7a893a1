// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfObject.h"

#include <optional>
#include <set>
#include <vector>

// The metafile's object table: a created object takes the lowest free index,
// deleting frees it. Indices are 16-bit, so the table never outgrows that;
// the header's object count is not trusted as a limit.
class WmfObjectTable
{
public:
    static constexpr int MaxObjects = 1 << 16;

    void add(WmfObject object);
    void remove(int index);
    // Null when the index is out of range or the slot is empty.
    const WmfObject *at(int index) const;

private:
    std::vector<std::optional<WmfObject>> m_slots;
    // Emptied slots below the end of m_slots.
    std::set<int> m_free;
};
