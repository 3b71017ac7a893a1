// SPDX-License-Identifier: MIT
#include "input/wmf/WmfTextPainter.h"

#include "input/wmf/WmfDeviceContext.h"
#include "input/wmf/WmfTextOptions.h"

#include <QByteArrayView>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

enum TextAlign : quint16 {
    Right = 0x0002,
    Center = 0x0006,
    HorizontalMask = 0x0006,
    Bottom = 0x0008,
    Baseline = 0x0018,
    VerticalMask = 0x0018,
};

// Characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Fonts smaller or larger than this on the device are not drawn at all.
constexpr qreal MinEm = 0.05;
constexpr qreal MaxEm = 100000;
constexpr qreal DefaultHeight = 12;

} // namespace

WmfTextPainter::WmfTextPainter(QPainter &painter, const WmfDeviceContext &dc, const QTransform &logicalToPainter)
    : m_painter(painter)
    , m_dc(dc)
    , m_logicalToPainter(logicalToPainter)
    , m_xScale(std::hypot(logicalToPainter.m11(), logicalToPainter.m12()))
    , m_yScale(std::hypot(logicalToPainter.m21(), logicalToPainter.m22()))
{
}

QString WmfTextPainter::decode(QByteArrayView text)
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = uchar(text[i]);
        result[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return result;
}

qreal WmfTextPainter::emHeight(const QFont &font) const
{
    const qint16 height = m_dc.font.height;
    if (height < 0)
        return -qreal(height) * m_yScale;
    if (height == 0)
        return DefaultHeight * m_yScale;
    // A positive height is the whole cell: ascent plus descent.
    QFont reference(font);
    reference.setPixelSize(1000);
    const QFontMetricsF metrics(reference);
    const qreal cell = metrics.ascent() + metrics.descent();
    return cell > 0 ? height * m_yScale * 1000 / cell : height * m_yScale;
}

std::optional<QFont> WmfTextPainter::deviceFont() const
{
    QFont font = m_dc.font.font;
    const qreal em = emHeight(font);
    const QPaintDevice *device = m_painter.device();
    if (!device || !(em >= MinEm && em <= MaxEm) || device->logicalDpiY() <= 0)
        return std::nullopt;
    font.setPointSizeF(em * 72 / device->logicalDpiY());
    if (m_dc.font.width != 0) {
        const qreal natural = QFontMetricsF(font, device).averageCharWidth();
        const qreal wanted = std::abs(m_dc.font.width) * m_xScale;
        if (natural > 0)
            font.setStretch(qRound(qBound(1.0, 100 * wanted / natural, 4000.0)));
    }
    return font;
}

qreal WmfTextPainter::textWidth(const QFont &font, const QString &text, const std::vector<qreal> &dx) const
{
    if (dx.empty())
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    qreal width = 0;
    for (qreal advance : dx)
        width += advance * m_xScale;
    return width;
}

void WmfTextPainter::fillRect(const QRectF &logicalRect) const
{
    m_painter.save();
    m_painter.setWorldTransform(m_logicalToPainter);
    m_painter.fillRect(logicalRect.normalized(), m_dc.backgroundColor);
    m_painter.restore();
}

qreal WmfTextPainter::draw(QPointF origin, QByteArrayView bytes, const std::vector<qreal> &dx,
                           const std::optional<QRectF> &rect, quint16 options)
{
    if (rect && (options & WmfTextOptions::Opaque))
        fillRect(*rect);
    const std::optional<QFont> font = deviceFont();
    if (!font || bytes.isEmpty())
        return 0;
    const QString text = decode(bytes);
    const QFontMetricsF metrics(*font, m_painter.device());
    const qreal width = textWidth(*font, text, dx);
    const quint16 align = m_dc.textAlign;
    qreal x = 0;
    if ((align & HorizontalMask) == Center)
        x = -width / 2;
    else if ((align & HorizontalMask) == Right)
        x = -width;
    qreal baseline = metrics.ascent();
    if ((align & VerticalMask) == Baseline)
        baseline = 0;
    else if ((align & VerticalMask) == Bottom)
        baseline = -metrics.descent();

    m_painter.save();
    if (rect && (options & WmfTextOptions::Clipped)) {
        m_painter.setWorldTransform(m_logicalToPainter);
        m_painter.setClipRect(rect->normalized(), Qt::IntersectClip);
    }
    QTransform placement = QTransform::fromTranslate(m_logicalToPainter.map(origin).x(),
                                                     m_logicalToPainter.map(origin).y());
    placement.rotate(-m_dc.font.escapement / 10.0);
    m_painter.setWorldTransform(placement);
    if (m_dc.opaqueBackground)
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
                           m_dc.backgroundColor);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(m_dc.textColor);
    m_painter.setFont(*font);
    if (dx.empty()) {
        m_painter.drawText(QPointF(x, baseline), text);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            m_painter.drawText(QPointF(x, baseline), QString(text[i]));
            x += i < qsizetype(dx.size()) ? dx[size_t(i)] * m_xScale : 0;
        }
    }
    m_painter.restore();
    return m_xScale > 0 ? width / m_xScale : 0;
}
