// SPDX-License-Identifier: MIT
#include "WmfWriter.h"

#include <QtEndian>

namespace {

void appendWord(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void appendDword(QByteArray &out, quint32 value)
{
    appendWord(out, quint16(value & 0xFFFF));
    appendWord(out, quint16(value >> 16));
}

QByteArray words(const std::vector<qint16> &values)
{
    QByteArray out;
    for (qint16 value : values)
        appendWord(out, quint16(value));
    return out;
}

QByteArray padded(QByteArray text)
{
    if (text.size() % 2)
        text.append('\0');
    return text;
}

} // namespace

WmfWriter &WmfWriter::record(WmfFunction function, const std::vector<qint16> &values)
{
    return record(quint16(function), words(values));
}

WmfWriter &WmfWriter::record(quint16 function, const QByteArray &params)
{
    const QByteArray body = padded(params);
    return rawRecord(quint32(3 + body.size() / 2), function, body);
}

WmfWriter &WmfWriter::rawRecord(quint32 size, quint16 function, const QByteArray &params)
{
    appendDword(m_records, size);
    appendWord(m_records, function);
    m_records.append(params);
    return *this;
}

WmfWriter &WmfWriter::pen(quint16 style, qint16 width, QColor penColor)
{
    return record(quint16(WmfFunction::CreatePenIndirect), words({qint16(style), width, 0}) + colorRef(penColor));
}

WmfWriter &WmfWriter::brush(quint16 style, QColor brushColor, quint16 hatch)
{
    return record(quint16(WmfFunction::CreateBrushIndirect),
                  words({qint16(style)}) + colorRef(brushColor) + words({qint16(hatch)}));
}

WmfWriter &WmfWriter::font(qint16 height, const QByteArray &face, qint16 escapement)
{
    QByteArray params = words({height, 0, escapement, escapement, 400});
    params.append(QByteArray(8, '\0'));
    params.append(face.left(31));
    params.append('\0');
    return record(quint16(WmfFunction::CreateFontIndirect), params);
}

WmfWriter &WmfWriter::select(quint16 index)
{
    return record(WmfFunction::SelectObject, {qint16(index)});
}

WmfWriter &WmfWriter::remove(quint16 index)
{
    return record(WmfFunction::DeleteObject, {qint16(index)});
}

WmfWriter &WmfWriter::rectangle(QRect r)
{
    return record(WmfFunction::Rectangle, {qint16(r.bottom() + 1), qint16(r.right() + 1), qint16(r.top()),
                                           qint16(r.left())});
}

WmfWriter &WmfWriter::polygon(WmfFunction function, const std::vector<QPoint> &points)
{
    std::vector<qint16> values{qint16(points.size())};
    for (QPoint p : points) {
        values.push_back(qint16(p.x()));
        values.push_back(qint16(p.y()));
    }
    return record(function, values);
}

WmfWriter &WmfWriter::polyPolygon(const std::vector<std::vector<QPoint>> &polygons)
{
    std::vector<qint16> values{qint16(polygons.size())};
    for (const auto &polygon : polygons)
        values.push_back(qint16(polygon.size()));
    for (const auto &polygon : polygons) {
        for (QPoint p : polygon) {
            values.push_back(qint16(p.x()));
            values.push_back(qint16(p.y()));
        }
    }
    return record(WmfFunction::PolyPolygon, values);
}

WmfWriter &WmfWriter::textOut(QPoint at, const QByteArray &text)
{
    return record(quint16(WmfFunction::TextOut), words({qint16(text.size())}) + padded(text)
                                                     + words({qint16(at.y()), qint16(at.x())}));
}

WmfWriter &WmfWriter::extTextOut(QPoint at, const QByteArray &text, quint16 options, QRect rect,
                                 const std::vector<qint16> &dx)
{
    QByteArray params = words({qint16(at.y()), qint16(at.x()), qint16(text.size()), qint16(options)});
    if (options & 0x0006)
        params += words({qint16(rect.left()), qint16(rect.top()), qint16(rect.right() + 1), qint16(rect.bottom() + 1)});
    params += padded(text) + words(dx);
    return record(quint16(WmfFunction::ExtTextOut), params);
}

WmfWriter &WmfWriter::point(WmfFunction function, QPoint p)
{
    return record(function, {qint16(p.y()), qint16(p.x())});
}

WmfWriter &WmfWriter::color(WmfFunction function, QColor value)
{
    return record(quint16(function), colorRef(value));
}

WmfWriter &WmfWriter::stretchDib(QRect target, QSize source, const QByteArray &dib, quint32 rop)
{
    QByteArray params;
    appendDword(params, rop);
    params += words({0, qint16(source.height()), qint16(source.width()), 0, 0, qint16(target.height()),
                     qint16(target.width()), qint16(target.y()), qint16(target.x())});
    return record(quint16(WmfFunction::StretchDib), params + dib);
}

QByteArray WmfWriter::placeable(QRect bounds, quint16 unitsPerInch, quint16 objects) const
{
    QByteArray header;
    appendDword(header, 0x9AC6CDD7);
    appendWord(header, 0);
    header += words({qint16(bounds.left()), qint16(bounds.top()), qint16(bounds.right() + 1),
                     qint16(bounds.bottom() + 1)});
    appendWord(header, unitsPerInch);
    appendDword(header, 0);
    quint16 checksum = 0;
    for (qsizetype i = 0; i < header.size(); i += 2)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + i);
    appendWord(header, checksum);
    return header + standard(objects);
}

QByteArray WmfWriter::standard(quint16 objects, bool withEof) const
{
    QByteArray out;
    appendWord(out, 1);
    appendWord(out, 9);
    appendWord(out, 0x0300);
    appendDword(out, quint32(9 + m_records.size() / 2 + 3));
    appendWord(out, objects);
    appendDword(out, 0);
    appendWord(out, 0);
    out += m_records;
    if (withEof) {
        appendDword(out, 3);
        appendWord(out, 0);
    }
    return out;
}

QByteArray WmfWriter::colorRef(QColor value)
{
    QByteArray out;
    out.append(char(value.red()));
    out.append(char(value.green()));
    out.append(char(value.blue()));
    out.append('\0');
    return out;
}

QByteArray WmfWriter::dib24(const std::vector<std::vector<QColor>> &rows)
{
    const int height = int(rows.size());
    const int width = height ? int(rows.front().size()) : 0;
    QByteArray out;
    appendDword(out, 40);
    appendDword(out, quint32(width));
    appendDword(out, quint32(height));
    appendWord(out, 1);
    appendWord(out, 24);
    for (int i = 0; i < 6; ++i)
        appendDword(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row;
        for (const QColor &c : rows[size_t(y)]) {
            row.append(char(c.blue()));
            row.append(char(c.green()));
            row.append(char(c.red()));
        }
        while (row.size() % 4)
            row.append('\0');
        out += row;
    }
    return out;
}

QByteArray WmfWriter::dibIndexed(QSize size, quint16 bitCount, quint32 compression,
                                 const std::vector<QColor> &palette, const QByteArray &bits)
{
    QByteArray out;
    appendDword(out, 40);
    appendDword(out, quint32(size.width()));
    appendDword(out, quint32(size.height()));
    appendWord(out, 1);
    appendWord(out, bitCount);
    appendDword(out, compression);
    appendDword(out, quint32(bits.size()));
    appendDword(out, 0);
    appendDword(out, 0);
    appendDword(out, quint32(palette.size()));
    appendDword(out, 0);
    for (const QColor &c : palette) {
        out.append(char(c.blue()));
        out.append(char(c.green()));
        out.append(char(c.red()));
        out.append('\0');
    }
    return out + bits;
}
