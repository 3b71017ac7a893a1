// SPDX-License-Identifier: MIT
#pragma once

#include "surface/Printers.h"

#include <QString>

// The devices of this machine. Kept apart from the rest of the print surface
// so that only the program itself links CUPS and Qt's printer support.
class SystemPrinters
{
public:
    // The CUPS destinations, then "Save as PDF" writing into pdfFolder; the
    // CUPS default is current, else "Save as PDF".
    static Printers list(const QString &pdfFolder);
    // The same devices, listed when first needed.
    static Printers listWhenNeeded(const QString &pdfFolder);
};
