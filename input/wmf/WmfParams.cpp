// SPDX-License-Identifier: MIT
#include "input/wmf/WmfParams.h"

#include "input/wmf/WmfBytes.h"
#include "input/wmf/WmfRecord.h"

#include <QByteArray>
#include <QColor>
#include <QRectF>

WmfParams::WmfParams(const QByteArray &data, const WmfRecord &record)
{
    const qsizetype begin = qBound<qsizetype>(0, record.offset, data.size());
    const qsizetype length = qBound<qsizetype>(0, record.words * 2, data.size() - begin);
    m_params = QByteArrayView(data.constData() + begin, length);
    m_words = length / 2;
}

quint16 WmfParams::wordAt(qsizetype word) const
{
    if (word < 0 || word >= m_words)
        return 0;
    return wmfWordAt(m_params, word * 2);
}

qint16 WmfParams::at(qsizetype word) const
{
    return qint16(wordAt(word));
}

quint32 WmfParams::dwordAt(qsizetype word) const
{
    return quint32(wordAt(word)) | (quint32(wordAt(word + 1)) << 16);
}

QColor WmfParams::colorAt(qsizetype word) const
{
    const quint32 value = dwordAt(word);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QPointF WmfParams::pointYx(qsizetype word) const
{
    return QPointF(at(word + 1), at(word));
}

QPointF WmfParams::pointXy(qsizetype word) const
{
    return QPointF(at(word), at(word + 1));
}

QRectF WmfParams::rectBrtl(qsizetype word) const
{
    const QPointF bottomRight = pointYx(word);
    const QPointF topLeft = pointYx(word + 2);
    return QRectF(topLeft, bottomRight);
}

QByteArrayView WmfParams::bytes(qsizetype byteOffset, qsizetype count) const
{
    if (byteOffset < 0 || count <= 0 || byteOffset >= m_params.size())
        return {};
    return m_params.sliced(byteOffset, qMin(count, m_params.size() - byteOffset));
}

QByteArrayView WmfParams::bytesFrom(qsizetype byteOffset) const
{
    return bytes(byteOffset, m_params.size() - byteOffset);
}
