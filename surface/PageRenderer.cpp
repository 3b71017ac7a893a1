#include "surface/PageRenderer.h"

#include "surface/FontMetrics.h"
#include "surface/Page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {

constexpr double TwipsPerInch = 1440;

QPen linePen(const QColor &color, int width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

PageRenderer::PageRenderer(QPainter &painter, int dotsPerInch)
    : m_painter(painter)
    , m_dotsPerInch(dotsPerInch)
{
}

void PageRenderer::render(const Page &page) const
{
    for (const PageItem &item : page.items) {
        m_painter.save();
        std::visit([this](const auto &element) { draw(element); }, item);
        m_painter.restore();
    }
}

void PageRenderer::draw(const PageText &text) const
{
    const QFont font(FontMetrics::pageFont(text.fontName, text.pointSize, text.bold), m_painter.device());
    const double ascent = QFontMetricsF(font, m_painter.device()).ascent();
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QPointF topLeft = toDots(text.pos);
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + ascent), text.text);
}

void PageRenderer::draw(const PageLine &line) const
{
    m_painter.setPen(linePen(line.color, line.width));
    m_painter.drawLine(toDots(line.from), toDots(line.to));
}

void PageRenderer::draw(const PageBox &box) const
{
    m_painter.setPen(linePen(box.color, box.width));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDots(box.rect));
}

void PageRenderer::draw(const PagePicture &picture) const
{
    picture.picture.draw(m_painter, toDots(picture.rect));
}

double PageRenderer::toDots(double twips) const
{
    return twips * m_dotsPerInch / TwipsPerInch;
}

QPointF PageRenderer::toDots(const QPointF &twips) const
{
    return QPointF(toDots(twips.x()), toDots(twips.y()));
}

QRectF PageRenderer::toDots(const QRectF &twips) const
{
    return QRectF(toDots(twips.topLeft()), toDots(twips.bottomRight()));
}
