// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class OutputDevice;

// Every output device the program can print on: the CUPS destinations in the
// order Qt lists them, then "Save as PDF". One of them is current.
class Printers
{
public:
    explicit Printers(std::vector<std::unique_ptr<OutputDevice>> devices, int current = 0);
    // Asks lister for the devices and the current one only when first
    // needed: listing CUPS queues costs start-up time, and most runs never
    // print or open the device window.
    explicit Printers(std::function<Printers()> lister);
    ~Printers();
    Printers(Printers &&) noexcept;
    Printers &operator=(Printers &&) noexcept;

    // Just device, current: what a print of the program's own makes on.
    static Printers only(std::unique_ptr<OutputDevice> device);

    int count() const;
    // Raises RuntimeError::SubscriptOutOfRange outside 0..count() - 1.
    OutputDevice &item(int index) const;

    int currentIndex() const;
    OutputDevice &current() const;
    // Makes item index current; raises RuntimeError::SubscriptOutOfRange
    // outside the collection.
    void setCurrent(int index);
    // Counts the times a device was made current: settings made for one
    // choice of device do not carry over to the next.
    quint64 selection() const { return m_selection; }

private:
    void listIfNeeded() const;

    mutable std::function<Printers()> m_lister;
    mutable std::vector<std::unique_ptr<OutputDevice>> m_devices;
    mutable int m_current = 0;
    quint64 m_selection = 0;
};
