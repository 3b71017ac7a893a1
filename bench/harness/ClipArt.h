// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>
#include <vector>

// A clip-art metafile as drawing programs write them: a placeable 4800 x 3200
// twips frame, pens and brushes created, selected and deleted around filled
// polygons and outlines, and a few captions.
class ClipArt
{
public:
    QByteArray build()
    {
        record(0x0103, {8});
        record(0x020B, {0, 0});
        record(0x020C, {3200, 4800});
        for (int shape = 0; shape < 60; ++shape)
            addShape(shape);
        for (int caption = 0; caption < 8; ++caption)
            addCaption(caption);
        return placeableHeader() + standardHeader() + m_records + QByteArray::fromHex("030000000000");
    }

private:
    void record(quint16 function, const std::vector<qint16> &words, const QByteArray &bytes = {})
    {
        QByteArray body = bytes;
        if (body.size() % 2)
            body.append('\0');
        appendDword(m_records, quint32(3 + words.size() + body.size() / 2));
        appendWord(m_records, function);
        for (qint16 word : words)
            appendWord(m_records, quint16(word));
        m_records += body;
    }

    void addShape(int shape)
    {
        const auto c = qint16(shape * 37 % 256);
        record(0x02FC, {0, qint16(c | (255 - c) << 8), 96, 0});
        record(0x02FA, {0, qint16(shape % 3 * 10), 0, 0, 0});
        record(0x012D, {0});
        record(0x012D, {1});
        std::vector<qint16> polygon{qint16(8 + shape % 12)};
        const double cx = 400 + shape % 10 * 400;
        const double cy = 400 + shape / 10 * 450;
        for (int i = 0; i < polygon.front(); ++i) {
            const double angle = i * 2 * M_PI / polygon.front();
            const double radius = i % 2 ? 350 : 200;
            polygon.push_back(qint16(cx + radius * std::cos(angle)));
            polygon.push_back(qint16(cy + radius * std::sin(angle)));
        }
        record(0x0324, polygon);
        polygon[0] = qint16(polygon[0] / 2);
        polygon.resize(size_t(1 + 2 * polygon[0]));
        record(0x0325, polygon);
        record(0x01F0, {0});
        record(0x01F0, {1});
    }

    void addCaption(int caption)
    {
        QByteArray font(18, '\0');
        qToLittleEndian<qint16>(-160, font.data());
        qToLittleEndian<qint16>(700, font.data() + 8);
        record(0x02FB, {}, font + "Arial");
        record(0x012D, {0});
        record(0x0209, {0, 0});
        record(0x0102, {1});
        const QByteArray text = "Caption " + QByteArray::number(caption);
        QByteArray params;
        appendWord(params, quint16(text.size()));
        params += text.size() % 2 ? text + '\0' : text;
        appendWord(params, quint16(3000));
        appendWord(params, quint16(caption * 550 + 100));
        record(0x0521, {}, params);
        record(0x01F0, {0});
    }

    static QByteArray placeableHeader()
    {
        QByteArray header;
        appendDword(header, 0x9AC6CDD7);
        for (quint16 word : {0, 0, 0, 4800, 3200, 1440})
            appendWord(header, word);
        appendDword(header, 0);
        quint16 checksum = 0;
        for (qsizetype i = 0; i < header.size(); i += 2)
            checksum ^= qFromLittleEndian<quint16>(header.constData() + i);
        appendWord(header, checksum);
        return header;
    }

    QByteArray standardHeader() const
    {
        QByteArray header;
        for (quint16 word : {1, 9, 0x0300})
            appendWord(header, word);
        appendDword(header, quint32(9 + m_records.size() / 2 + 3));
        appendWord(header, 4);
        appendDword(header, 0);
        appendWord(header, 0);
        return header;
    }

    static void appendWord(QByteArray &out, quint16 value)
    {
        out.append(char(value & 0xFF));
        out.append(char(value >> 8));
    }

    static void appendDword(QByteArray &out, quint32 value)
    {
        appendWord(out, quint16(value));
        appendWord(out, quint16(value >> 16));
    }

    QByteArray m_records;
};
