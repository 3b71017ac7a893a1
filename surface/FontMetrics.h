#pragma once

#include <QFont>
#include <QImage>

// Font measurements as a device of the given resolution makes them, in twips.
// Twips are mapped to device dots by hand: a scaled painter would also scale
// point-size fonts.
class FontMetrics
{
public:
    FontMetrics(const QFont &font, int dotsPerInch);

    // The font the page uses for a text item, not yet bound to a device.
    static QFont pageFont(const QString &name, double pointSize, bool bold);

    double textWidthTwips(const QString &text) const;
    double lineHeightTwips() const;
    double ascentTwips() const;

private:
    double toTwips(double dots) const;

    QImage m_device;
    QFont m_font;
    int m_dotsPerInch = 0;
};
