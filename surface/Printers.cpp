// SPDX-License-Identifier: MIT
#include "surface/Printers.h"

#include "platform/RuntimeError.h"
#include "surface/CupsDevice.h"
#include "surface/OutputDevice.h"
#include "surface/PdfDevice.h"

#include <QPrinterInfo>

Printers::Printers(std::vector<std::unique_ptr<OutputDevice>> devices, int current)
    : m_devices(std::move(devices))
{
    setCurrent(current);
}

Printers::~Printers() = default;
Printers::Printers(Printers &&) noexcept = default;
Printers &Printers::operator=(Printers &&) noexcept = default;

Printers Printers::fromSystem(const QString &pdfFolder)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    int current = -1;
    const QList<QPrinterInfo> cups = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo &info : cups) {
        if (current < 0 && !defaultName.isEmpty() && info.printerName() == defaultName)
            current = int(devices.size());
        devices.push_back(std::make_unique<CupsDevice>(info));
    }
    if (current < 0)
        current = int(devices.size());
    devices.push_back(std::make_unique<PdfDevice>(pdfFolder));
    return Printers(std::move(devices), current);
}

int Printers::count() const
{
    return int(m_devices.size());
}

OutputDevice &Printers::item(int index) const
{
    if (index < 0 || index >= count())
        throw RuntimeError(RuntimeError::SubscriptOutOfRange);
    return *m_devices[size_t(index)];
}

OutputDevice &Printers::current() const
{
    return item(m_current);
}

void Printers::setCurrent(int index)
{
    item(index);
    m_current = index;
    ++m_selection;
}
