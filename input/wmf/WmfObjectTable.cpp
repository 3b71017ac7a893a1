// SPDX-License-Identifier: MIT
#include "input/wmf/WmfObjectTable.h"

void WmfObjectTable::add(WmfObject object)
{
    if (!m_free.empty()) {
        const int index = *m_free.begin();
        m_free.erase(m_free.begin());
        m_slots[size_t(index)] = std::move(object);
    } else if (m_slots.size() < size_t(MaxObjects)) {
        m_slots.emplace_back(std::move(object));
    }
}

void WmfObjectTable::remove(int index)
{
    if (index < 0 || size_t(index) >= m_slots.size() || !m_slots[size_t(index)])
        return;
    m_slots[size_t(index)].reset();
    m_free.insert(index);
}

const WmfObject *WmfObjectTable::at(int index) const
{
    if (index < 0 || size_t(index) >= m_slots.size() || !m_slots[size_t(index)])
        return nullptr;
    return &*m_slots[size_t(index)];
}
