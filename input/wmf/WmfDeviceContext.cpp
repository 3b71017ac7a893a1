// SPDX-License-Identifier: MIT
#include "input/wmf/WmfDeviceContext.h"

#include "platform/Twips.h"

#include <QTransform>

#include <cmath>

namespace {

// Inches per logical unit of the metric mapping modes.
double metricInches(int mapMode)
{
    switch (mapMode) {
    case WmfDeviceContext::LoMetric:
        return 1.0 / 254;
    case WmfDeviceContext::HiMetric:
        return 1.0 / 2540;
    case WmfDeviceContext::LoEnglish:
        return 1.0 / 100;
    case WmfDeviceContext::HiEnglish:
        return 1.0 / 1000;
    case WmfDeviceContext::Twips:
        return 1.0 / TwipsPerInch;
    default:
        return 0;
    }
}

} // namespace

QTransform WmfDeviceContext::logicalToDevice(double unitsPerInch) const
{
    double sx = 1;
    double sy = 1;
    if (usesExtents()) {
        sx = viewportExt.x() / windowExt.x();
        sy = viewportExt.y() / windowExt.y();
        if (mapMode == Isotropic) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    } else if (const double inches = metricInches(mapMode); inches > 0) {
        sx = inches * unitsPerInch;
        sy = -sx;
    }
    return QTransform(sx, 0, 0, sy, viewportOrg.x() - windowOrg.x() * sx, viewportOrg.y() - windowOrg.y() * sy);
}
