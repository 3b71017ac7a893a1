// SPDX-License-Identifier: MIT
#include "surface/OutputDevice.h"

#include "surface/Page.h"

void OutputDevice::printPages(const QList<Page> &pages, const PrintSettings &settings)
{
    for (const Page &page : pages)
        print(page, settings);
}

QList<QPageSize> OutputDevice::paperSizes() const
{
    return {pageLayout().pageSize()};
}

void OutputDevice::setPaper(const QPageSize &)
{
}
