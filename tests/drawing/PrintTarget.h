// SPDX-License-Identifier: MIT
#pragma once

#include "KeptPdfDevice.h"
#include "surface/Page.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QList>
#include <QTemporaryDir>
#include <memory>

// A print surface on a real PDF device writing into a temporary folder.
class PrintTarget
{
public:
    explicit PrintTarget(const QString &deviceName = QStringLiteral("Save as PDF"));

    PrintSurface &surface() { return *m_surface; }
    KeptPdfDevice &device() { return *m_device; }
    // Files the device wrote.
    QStringList pdfFiles() const;

private:
    QTemporaryDir m_folder;
    KeptPdfDevice *m_device = nullptr;
    std::unique_ptr<Printers> m_printers;
    std::unique_ptr<PrintSurface> m_surface;
};

QList<PageText> textsOf(const Page &page);
QList<PageLine> linesOf(const Page &page);
QList<PageBox> boxesOf(const Page &page);
QList<PagePicture> picturesOf(const Page &page);

// Width in twips of text in the given font, measured by a surface of its own.
float widthOf(const QString &text, const QString &fontName, float pointSize, bool bold = false);
