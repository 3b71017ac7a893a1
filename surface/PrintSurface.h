// SPDX-License-Identifier: MIT
#pragma once

#include "surface/FontMetrics.h"
#include "surface/OutputDevice.h"
#include "surface/Page.h"

#include <QColor>
#include <QString>
#include <optional>

class Printers;
class Picture;
class QFont;

// The printer object every drawing goes to. Positions are in twips from the
// top-left corner of the printable area, font sizes in points, line widths in
// dots of the current device. Its state (position, font, line width, copies)
// persists between documents. Drawing is recorded into a Page, measured with
// the current device's font metrics; EndDoc hands the page to the device.
class PrintSurface
{
public:
    enum class LineEnd { NewLine, Continue };

    explicit PrintSurface(Printers &printers);
    // A surface in the state of another (position, font, line width,
    // copies) that draws for printers; it starts with an empty page.
    PrintSurface(const PrintSurface &state, Printers &printers);

    qint16 Copies() const { return m_settings.copies; }
    void setCopies(qint16 copies);

    QString DeviceName() const;
    // What the current device tells of itself besides its name.
    QStringList deviceDescriptions() const;

    float CurrentX() const { return m_currentX; }
    void setCurrentX(float x) { m_currentX = x; }
    float CurrentY() const { return m_currentY; }
    void setCurrentY(float y) { m_currentY = y; }

    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    // Reads back the size in effect.
    float FontSize() const { return m_fontSize; }
    void setFontSize(float points);
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool bold);

    qint16 DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(qint16 dots);

    // Width in twips of text in the current font, size and weight. Exact up
    // to FontMetrics::WidthLimit (100 inches); a text wider than that gives a
    // width above the limit, at least that wide but maybe less than its own.
    float TextWidth(const QString &text) const;
    // Height in twips of one line of the current font.
    float lineHeight() const;

    // Prints text at the current position. NewLine then moves CurrentX to 0
    // and CurrentY one line down; Continue moves CurrentX by the text's width.
    // Of a text running on past FontMetrics::WidthLimit, only the part that
    // can show on a page is recorded.
    void Print(const QString &text, LineEnd end = LineEnd::NewLine);

    // A line from (x, y) to (x + dx, y + dy), and a box outline with those
    // corners, in the current DrawWidth.
    void Line(float x, float y, float dx, float dy, const QColor &color = Qt::black);
    void LineBox(float x, float y, float dx, float dy, const QColor &color = Qt::black);

    void PaintPicture(const Picture &picture, float x, float y, float width, float height);

    // The device setting of "HP Laser" printers: the paper source. It belongs
    // to the device current now: once a device is made current again, the
    // next document goes out with the default (0).
    void setPaperSource(int source);
    void setDocumentName(const QString &name) { m_settings.documentName = name; }
    // Told of every copy the devices print from now on, until replaced;
    // empty for none.
    void setProgress(CopyProgress progress) { m_settings.progress = std::move(progress); }

    // Ends the page and hands it, with the copies, to the current device.
    void EndDoc();
    // Discards an unfinished page: nothing reaches the device.
    void KillDoc();

    // The page recorded since the last EndDoc or KillDoc.
    const Page &page() const { return m_page; }

private:
    // What a font is measured with: its name, size and weight, and the
    // device's resolution.
    struct MetricsKey
    {
        QString name;
        float size = 0;
        bool bold = false;
        int dotsPerInch = 0;
        bool operator==(const MetricsKey &) const = default;
    };

    QFont currentFont() const;
    // Resolving a font that falls back on faces of other scripts costs far
    // more than measuring with it: the metrics are kept while the font stays.
    const FontMetrics &metrics() const;
    void dropSettingsOfEarlierDevice();

    Printers &m_printers;
    Page m_page;
    PrintSettings m_settings;
    // The device choice the device settings were made for.
    quint64 m_settingsSelection = 0;
    float m_currentX = 0;
    float m_currentY = 0;
    QString m_fontName = QStringLiteral("Arial");
    float m_fontSize = 8.25f;
    bool m_fontBold = false;
    qint16 m_drawWidth = 1;
    mutable std::optional<FontMetrics> m_metrics;
    mutable MetricsKey m_metricsKey;
};
