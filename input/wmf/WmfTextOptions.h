// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Options of a text record: which ones carry a rectangle before the string.
namespace WmfTextOptions {
inline constexpr quint16 Opaque = 0x0002;
inline constexpr quint16 Clipped = 0x0004;
} // namespace WmfTextOptions
