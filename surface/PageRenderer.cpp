// SPDX-License-Identifier: MIT
#include "surface/PageRenderer.h"

#include "platform/Twips.h"
#include "surface/FontMetrics.h"
#include "surface/Page.h"
#include "surface/PageFit.h"
#include "surface/TextPrefix.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <algorithm>

namespace {

QPen linePen(const QColor &color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The run without the blank's glyph; glyph 0, the box of a missing character,
// stays where a font has no blank.
QGlyphRun withoutBlanks(QGlyphRun run)
{
    const QChar space = u' ';
    quint32 blank = 0;
    int found = 1;
    run.rawFont().glyphIndexesForChars(&space, 1, &blank, &found);
    QList<quint32> glyphs = run.glyphIndexes();
    QList<QPointF> positions = run.positions();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] != blank || blank == 0) {
            glyphs[kept] = glyphs[i];
            positions[kept++] = positions[i];
        }
    }
    glyphs.resize(kept);
    positions.resize(kept);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    return run;
}

// A PDF's text map gives each glyph the first character its font shows with
// it, and Qt shows a tab with the blank's glyph where a font has none: copied
// out, blanks would be tabs. Laid out as drawText lays it out and drawn
// without them, the text leaves gaps that readers take for blanks. Right to
// left, some readers find no gap between words: such text keeps its blanks.
void drawWithoutBlanks(QPainter &painter, const QPointF &baseline, const QString &text)
{
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    if (std::any_of(runs.begin(), runs.end(), [](const QGlyphRun &run) { return run.isRightToLeft(); })) {
        painter.drawText(baseline, text);
        return;
    }
    const QPointF lineTop = baseline - QPointF(0, line.ascent());
    for (const QGlyphRun &run : runs)
        painter.drawGlyphRun(lineTop, withoutBlanks(run));
}

} // namespace

PageRenderer::PageRenderer(QPainter &painter, int dotsPerInch)
    : PageRenderer(painter, dotsPerInch, dotsPerInch)
{
}

PageRenderer::PageRenderer(QPainter &painter, int dotsPerInch, int recordedDotsPerInch)
    : m_painter(painter)
    , m_dotsPerInch(dotsPerInch)
    , m_recordedDotsPerInch(recordedDotsPerInch)
{
}

void PageRenderer::render(const Page &page) const
{
    m_visibleWidth = m_painter.device()->width();
    drawItems(page);
}

void PageRenderer::render(const Page &page, const QSizeF &printableDots) const
{
    const QSizeF printable = printableDots * TwipsPerInch / m_dotsPerInch;
    const QTransform fit = PageFit::of(page, printable, m_recordedDotsPerInch);
    m_painter.save();
    m_painter.translate(toDots(fit.dx()), toDots(fit.dy()));
    m_painter.scale(fit.m11(), fit.m22());
    m_visibleWidth = printableDots.width() / fit.m11();
    drawItems(page);
    m_painter.restore();
}

void PageRenderer::drawItems(const Page &page) const
{
    for (const PageItem &item : page.items) {
        m_painter.save();
        std::visit([this](const auto &element) { draw(element); }, item);
        m_painter.restore();
    }
}

void PageRenderer::draw(const PageText &text) const
{
    const QFont &font = deviceFont(text);
    const QFontMetricsF metrics(font, m_painter.device());
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    const QPointF topLeft = toDots(text.pos);
    const QString shown = shownPart(text.text, metrics, topLeft.x());
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    if (m_painter.paintEngine()->type() == QPaintEngine::Pdf)
        drawWithoutBlanks(m_painter, baseline, shown);
    else
        m_painter.drawText(baseline, shown);
}

void PageRenderer::draw(const PageLine &line) const
{
    m_painter.setPen(linePen(line.color, lineWidth(line.width)));
    m_painter.drawLine(toDots(line.from), toDots(line.to));
}

void PageRenderer::draw(const PageBox &box) const
{
    m_painter.setPen(linePen(box.color, lineWidth(box.width)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDots(box.rect));
}

void PageRenderer::draw(const PagePicture &picture) const
{
    picture.picture.draw(m_painter, toDots(picture.rect));
}

const QFont &PageRenderer::deviceFont(const PageText &text) const
{
    if (m_pointSize == 0 || text.fontName != m_fontName || text.pointSize != m_pointSize || text.bold != m_bold) {
        m_font = QFont(FontMetrics::pageFont(text.fontName, text.pointSize, text.bold), m_painter.device());
        if (m_dotsPerInch != m_recordedDotsPerInch)
            m_font.setHintingPreference(QFont::PreferNoHinting);
        m_fontName = text.fontName;
        m_pointSize = text.pointSize;
        m_bold = text.bold;
    }
    return m_font;
}

// A text running far past the right edge is cut there: the device would
// otherwise receive every glyph of it.
QString PageRenderer::shownPart(const QString &text, const QFontMetricsF &metrics, double left) const
{
    if (m_painter.layoutDirection() == Qt::RightToLeft)
        return text;
    return textWithin(metrics, text, m_visibleWidth - left);
}

// Never thinner than one dot: a hairline on paper shows as one on a screen,
// as PDF viewers show it.
double PageRenderer::lineWidth(int recordedDots) const
{
    return std::max(1.0, double(recordedDots) * m_dotsPerInch / m_recordedDotsPerInch);
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
