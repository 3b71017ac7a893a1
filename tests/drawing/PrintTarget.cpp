// SPDX-License-Identifier: MIT
#include "PrintTarget.h"

#include "surface/FontSubstitutions.h"

#include <QDir>

PrintTarget::PrintTarget(const QString &deviceName)
{
    installFontSubstitutions();
    auto device = std::make_unique<KeptPdfDevice>(m_folder.path(), deviceName);
    m_device = device.get();
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::move(device));
    m_printers = std::make_unique<Printers>(std::move(devices));
    m_surface = std::make_unique<PrintSurface>(*m_printers);
}

QStringList PrintTarget::pdfFiles() const
{
    return QDir(m_folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

namespace {

template<typename Item>
QList<Item> itemsOf(const Page &page)
{
    QList<Item> items;
    for (const PageItem &item : page.items) {
        if (const Item *typed = std::get_if<Item>(&item))
            items.append(*typed);
    }
    return items;
}

} // namespace

QList<PageText> textsOf(const Page &page)
{
    return itemsOf<PageText>(page);
}

QList<PageLine> linesOf(const Page &page)
{
    return itemsOf<PageLine>(page);
}

QList<PageBox> boxesOf(const Page &page)
{
    return itemsOf<PageBox>(page);
}

QList<PagePicture> picturesOf(const Page &page)
{
    return itemsOf<PagePicture>(page);
}

float widthOf(const QString &text, const QString &fontName, float pointSize, bool bold)
{
    PrintTarget target;
    PrintSurface &surface = target.surface();
    surface.setFontName(fontName);
    surface.setFontSize(pointSize);
    surface.setFontBold(bold);
    return surface.TextWidth(text);
}
