// SPDX-License-Identifier: MIT
#include "surface/CaptureDevice.h"

CaptureDevice::CaptureDevice(const OutputDevice &model)
    : m_name(model.DeviceName())
    , m_descriptions(model.descriptions())
    , m_resolution(model.resolution())
    , m_pageLayout(model.pageLayout())
{
}

void CaptureDevice::print(const Page &page, const PrintSettings &)
{
    m_page = page;
}
