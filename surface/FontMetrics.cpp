// SPDX-License-Identifier: MIT
#include "surface/FontMetrics.h"

#include "platform/Twips.h"
#include "surface/TextPrefix.h"

#include <QFontMetricsF>

namespace {

constexpr double MetresPerInch = 0.0254;

QImage deviceOfResolution(int dotsPerInch)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / MetresPerInch);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

} // namespace

FontMetrics::FontMetrics(const QFont &font, int dotsPerInch)
    : m_device(deviceOfResolution(dotsPerInch))
    , m_font(font, &m_device)
    , m_dotsPerInch(dotsPerInch)
{
}

QFont FontMetrics::pageFont(const QString &name, double pointSize, bool bold)
{
    QFont font(name);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

double FontMetrics::textWidthTwips(const QString &text) const
{
    const QFontMetricsF metrics(m_font, &m_device);
    const std::optional<TextPrefix> prefix = prefixBeyond(metrics, text, toDots(WidthLimit));
    return toTwips(prefix ? prefix->width : metrics.horizontalAdvance(text));
}

QString FontMetrics::textWithin(const QString &text, double widthTwips) const
{
    return ::textWithin(QFontMetricsF(m_font, &m_device), text, toDots(widthTwips));
}

double FontMetrics::lineHeightTwips() const
{
    return toTwips(QFontMetricsF(m_font, &m_device).lineSpacing());
}

double FontMetrics::ascentTwips() const
{
    return toTwips(QFontMetricsF(m_font, &m_device).ascent());
}

double FontMetrics::toTwips(double dots) const
{
    return dots * TwipsPerInch / m_dotsPerInch;
}

double FontMetrics::toDots(double twips) const
{
    return twips * m_dotsPerInch / TwipsPerInch;
}
