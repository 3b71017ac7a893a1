// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

class QFontMetricsF;
class QPainter;
class QPointF;
class QRectF;
class QSizeF;
struct Page;
struct PageText;
struct PageLine;
struct PageBox;
struct PagePicture;

// Draws a recorded page on any painter whose device has the given resolution:
// printers, PDF files, previews. Twips become device dots by hand; line widths
// are in dots of the device the page was recorded for.
class PageRenderer
{
public:
    PageRenderer(QPainter &painter, int dotsPerInch);
    // For a page recorded for a device of another resolution (a preview of
    // it): its line widths are counted in that device's dots.
    PageRenderer(QPainter &painter, int dotsPerInch, int recordedDotsPerInch);

    // Draws page as recorded, from the painter's origin.
    void render(const Page &page) const;
    // Draws page on a printable area of the given size in dots at the
    // painter's origin, fitted to it as PageFit tells.
    void render(const Page &page, const QSizeF &printableDots) const;

private:
    void drawItems(const Page &page) const;
    void draw(const PageText &text) const;
    void draw(const PageLine &line) const;
    void draw(const PageBox &box) const;
    void draw(const PagePicture &picture) const;

    QString shownPart(const QString &text, const QFontMetricsF &metrics, double left) const;
    // Resolving a font that falls back on faces of other scripts costs more
    // than drawing with it: the font of the last text is kept for the next.
    const QFont &deviceFont(const PageText &text) const;

    double lineWidth(int recordedDots) const;
    double toDots(double twips) const;
    QPointF toDots(const QPointF &twips) const;
    QRectF toDots(const QRectF &twips) const;

    QPainter &m_painter;
    int m_dotsPerInch = 0;
    int m_recordedDotsPerInch = 0;
    // The width in the page's own dots that shows on the printable area
    // right of the page's origin.
    mutable double m_visibleWidth = 0;
    mutable QFont m_font;
    mutable QString m_fontName;
    mutable double m_pointSize = 0;
    mutable bool m_bold = false;
};
