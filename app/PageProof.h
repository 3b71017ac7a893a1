// SPDX-License-Identifier: MIT
#pragma once

#include "surface/Page.h"

#include <QImage>
#include <QPageLayout>
#include <QString>

class OutputDevice;
class PrintSurface;
class QLocale;
struct CalendarPage;

// The page "Print Calendar(s)" would send to a device, composed by the print
// job itself but kept instead of printed; or, where the job would stop, the
// text of the error box it would show.
struct PageProof
{
    // Runs the print job on a surface in the state of surface, measured and
    // laid out as device. Neither surface nor device is touched.
    static PageProof of(const PrintSurface &surface, const OutputDevice &device, const CalendarPage &page,
                        const QLocale &locale);

    bool failed() const { return !error.isEmpty(); }

    // The device's paper at dotsPerInch with the page on its printable area,
    // drawn as the device draws it; blank paper when the job failed.
    QImage sheet(int dotsPerInch, qreal devicePixelRatio = 1) const;

    Page page;
    QPageLayout layout;
    // The device's resolution, in whose dots the page's line widths count.
    int resolution = 0;
    // The month and year the page's title names.
    QString caption;
    QString error;
};
