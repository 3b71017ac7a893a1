// SPDX-License-Identifier: MIT
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

    // Widths are exact up to this, a hundred inches: more than any printable
    // area is wide. Texts longer than that are measured by their beginning.
    static constexpr double WidthLimit = 144000;

    // Width of text, or, for a text wider than WidthLimit, a width above
    // WidthLimit that may be less than its own.
    double textWidthTwips(const QString &text) const;
    // text, or, when it runs on far more than widthTwips past its start, the
    // part of it that shows within widthTwips (see ::textWithin).
    QString textWithin(const QString &text, double widthTwips) const;
    double lineHeightTwips() const;
    double ascentTwips() const;

private:
    double toTwips(double dots) const;
    double toDots(double twips) const;

    QImage m_device;
    QFont m_font;
    int m_dotsPerInch = 0;
};
