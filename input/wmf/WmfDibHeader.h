// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <optional>

// The layout of a bitmap read from its header: where the colour table and
// the rows start and how large they are. All sizes are in bytes.
struct WmfDibHeader
{
    static constexpr quint32 Rgb = 0;
    static constexpr quint32 Bitfields = 3;

    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = Rgb;
    qint64 colorCount = 0;
    qint64 colorEntrySize = 4;
    qint64 colorTableOffset = 0;
    qint64 bitsOffset = 0;
    qint64 bitsSize = 0;
    qint64 stride = 0;
    std::array<quint32, 3> masks{};

    // Empty when the header is not one of the known kinds.
    static std::optional<WmfDibHeader> read(QByteArrayView dib, quint16 colorUsage);
};
