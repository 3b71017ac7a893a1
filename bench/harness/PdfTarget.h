// SPDX-License-Identifier: MIT
#pragma once

#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

// A print surface whose one device writes A4 PDFs into a folder of its own.
struct PdfTarget
{
    QTemporaryDir folder;
    Printers printers;
    PrintSurface surface{printers};

    PdfTarget()
        : printers(devices(folder.path()))
    {
    }

    static std::vector<std::unique_ptr<OutputDevice>> devices(const QString &folder)
    {
        std::vector<std::unique_ptr<OutputDevice>> list;
        list.push_back(std::make_unique<PdfDevice>(folder, QPageSize(QPageSize::A4)));
        return list;
    }

    QString lastFile() const { return static_cast<PdfDevice &>(printers.current()).lastFile(); }
};
