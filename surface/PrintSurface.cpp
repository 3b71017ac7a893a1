// SPDX-License-Identifier: MIT
#include "surface/PrintSurface.h"

#include "platform/RuntimeError.h"
#include "surface/FontMetrics.h"
#include "surface/Printers.h"

#include <QFontMetricsF>
#include <algorithm>
#include <utility>

PrintSurface::PrintSurface(Printers &printers)
    : m_printers(printers)
    , m_settingsSelection(printers.selection())
{
}

PrintSurface::PrintSurface(const PrintSurface &state, Printers &printers)
    : m_printers(printers)
    , m_settings(state.m_settings)
    , m_settingsSelection(printers.selection())
    , m_currentX(state.m_currentX)
    , m_currentY(state.m_currentY)
    , m_fontName(state.m_fontName)
    , m_fontSize(state.m_fontSize)
    , m_fontBold(state.m_fontBold)
    , m_drawWidth(state.m_drawWidth)
{
}

void PrintSurface::setCopies(qint16 copies)
{
    m_settings.copies = std::max<qint16>(copies, 1);
}

QString PrintSurface::DeviceName() const
{
    return m_printers.current().DeviceName();
}

QStringList PrintSurface::deviceDescriptions() const
{
    return m_printers.current().descriptions();
}

void PrintSurface::setFontName(const QString &name)
{
    m_fontName = name;
}

void PrintSurface::setFontSize(float points)
{
    if (!(points > 0))
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    m_fontSize = points;
}

void PrintSurface::setFontBold(bool bold)
{
    m_fontBold = bold;
}

void PrintSurface::setDrawWidth(qint16 dots)
{
    if (dots < 1)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    m_drawWidth = dots;
}

float PrintSurface::TextWidth(const QString &text) const
{
    return float(metrics().textWidthTwips(text));
}

float PrintSurface::lineHeight() const
{
    return float(metrics().lineHeightTwips());
}

void PrintSurface::Print(const QString &text, LineEnd end)
{
    const FontMetrics &metrics = this->metrics();
    if (!text.isEmpty())
        m_page.items.append(PageText{QPointF(m_currentX, m_currentY),
                                     metrics.textWithin(text, FontMetrics::WidthLimit - m_currentX), m_fontName,
                                     m_fontSize, m_fontBold});
    if (end == LineEnd::NewLine) {
        m_currentX = 0;
        m_currentY += float(metrics.lineHeightTwips());
    } else {
        m_currentX += float(metrics.textWidthTwips(text));
    }
}

void PrintSurface::Line(float x, float y, float dx, float dy, const QColor &color)
{
    m_page.items.append(PageLine{QPointF(x, y), QPointF(x + dx, y + dy), m_drawWidth, color});
}

void PrintSurface::LineBox(float x, float y, float dx, float dy, const QColor &color)
{
    m_page.items.append(PageBox{QRectF(x, y, dx, dy).normalized(), m_drawWidth, color});
}

void PrintSurface::PaintPicture(const Picture &picture, float x, float y, float width, float height)
{
    if (!picture.isNull())
        m_page.items.append(PagePicture{QRectF(x, y, width, height), picture});
}

void PrintSurface::setPaperSource(int source)
{
    m_settings.paperSource = source;
    m_settingsSelection = m_printers.selection();
}

void PrintSurface::EndDoc()
{
    dropSettingsOfEarlierDevice();
    Page page = std::exchange(m_page, Page());
    if (!page.isEmpty())
        m_printers.current().print(page, m_settings);
}

void PrintSurface::KillDoc()
{
    m_page = Page();
}

QFont PrintSurface::currentFont() const
{
    return FontMetrics::pageFont(m_fontName, m_fontSize, m_fontBold);
}

const FontMetrics &PrintSurface::metrics() const
{
    MetricsKey key{m_fontName, m_fontSize, m_fontBold, m_printers.current().resolution()};
    if (!m_metrics || key != m_metricsKey) {
        m_metrics.emplace(currentFont(), key.dotsPerInch);
        m_metricsKey = std::move(key);
    }
    return *m_metrics;
}

void PrintSurface::dropSettingsOfEarlierDevice()
{
    if (m_settingsSelection == m_printers.selection())
        return;
    m_settings.paperSource = 0;
    m_settingsSelection = m_printers.selection();
}
