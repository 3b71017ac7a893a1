// SPDX-License-Identifier: MIT
#include "surface/Printers.h"

#include "platform/RuntimeError.h"
#include "surface/OutputDevice.h"

#include <utility>

Printers::Printers(std::vector<std::unique_ptr<OutputDevice>> devices, int current)
    : m_devices(std::move(devices))
{
    setCurrent(current);
}

Printers::Printers(std::function<Printers()> lister)
    : m_lister(std::move(lister))
    // As after the first device was made current: listing is no new choice.
    , m_selection(1)
{
}

Printers::~Printers() = default;
Printers::Printers(Printers &&) noexcept = default;
Printers &Printers::operator=(Printers &&) noexcept = default;

Printers Printers::only(std::unique_ptr<OutputDevice> device)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::move(device));
    return Printers(std::move(devices));
}

void Printers::listIfNeeded() const
{
    if (!m_lister)
        return;
    Printers listed = std::exchange(m_lister, {})();
    m_devices = std::move(listed.m_devices);
    m_current = listed.m_current;
}

int Printers::count() const
{
    listIfNeeded();
    return int(m_devices.size());
}

OutputDevice &Printers::item(int index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    return *m_devices[size_t(index)];
}

int Printers::currentIndex() const
{
    listIfNeeded();
    return m_current;
}

OutputDevice &Printers::current() const
{
    listIfNeeded();
    return item(m_current);
}

void Printers::setCurrent(int index)
{
    item(index);
    m_current = index;
    ++m_selection;
}
