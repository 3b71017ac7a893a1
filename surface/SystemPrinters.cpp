// SPDX-License-Identifier: MIT
#include "surface/SystemPrinters.h"

#include "surface/CupsDevice.h"
#include "surface/Paper.h"
#include "surface/PdfDevice.h"

#include <QLocale>
#include <QPrinterInfo>

Printers SystemPrinters::list(const QString &pdfFolder)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    int current = -1;
    const QPageSize systemPaper = Paper::systemDefault(QLocale::system());
    const QList<QPrinterInfo> cups = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo &info : cups) {
        if (current < 0 && !defaultName.isEmpty() && info.printerName() == defaultName)
            current = int(devices.size());
        devices.push_back(std::make_unique<CupsDevice>(info, systemPaper));
    }
    if (current < 0)
        current = int(devices.size());
    devices.push_back(std::make_unique<PdfDevice>(pdfFolder, systemPaper));
    return Printers(std::move(devices), current);
}

Printers SystemPrinters::listWhenNeeded(const QString &pdfFolder)
{
    return Printers([pdfFolder] { return list(pdfFolder); });
}
