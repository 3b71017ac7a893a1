// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtEndian>

// Metafiles and their bitmaps store numbers little-endian. A read that runs
// past the data gives 0, like a field the record does not have.
inline quint16 wmfWordAt(QByteArrayView data, qint64 offset)
{
    if (offset < 0 || offset + 2 > data.size())
        return 0;
    return qFromLittleEndian<quint16>(data.data() + offset);
}

inline quint32 wmfDwordAt(QByteArrayView data, qint64 offset)
{
    if (offset < 0 || offset + 4 > data.size())
        return 0;
    return qFromLittleEndian<quint32>(data.data() + offset);
}
