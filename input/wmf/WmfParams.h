// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

struct WmfRecord;
class QByteArray;
class QColor;
class QPointF;
class QRectF;

// Reads the parameters of one record. Every read is bounded by the record:
// a word past its end reads as 0, a byte range is cut at its end.
class WmfParams
{
public:
    WmfParams(const QByteArray &data, const WmfRecord &record);

    qsizetype words() const { return m_words; }
    qint16 at(qsizetype word) const;
    quint16 wordAt(qsizetype word) const;
    quint32 dwordAt(qsizetype word) const;
    // A COLORREF: red, green, blue and a reserved byte.
    QColor colorAt(qsizetype word) const;
    // The point stored as y then x (the order of most records).
    QPointF pointYx(qsizetype word) const;
    // The point stored as x then y (the order of point arrays).
    QPointF pointXy(qsizetype word) const;
    // A rectangle stored as bottom, right, top, left.
    QRectF rectBrtl(qsizetype word) const;
    QByteArrayView bytes(qsizetype byteOffset, qsizetype count) const;
    QByteArrayView bytesFrom(qsizetype byteOffset) const;

private:
    QByteArrayView m_params;
    qsizetype m_words = 0;
};
