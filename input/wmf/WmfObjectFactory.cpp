// SPDX-License-Identifier: MIT
#include "input/wmf/WmfObjectFactory.h"

#include "input/wmf/WmfDib.h"
#include "input/wmf/WmfParams.h"

#include <QImage>

namespace {

enum PenStyle : quint16 {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5,
    PenStyleMask = 0x000F,
    PenCapMask = 0x0F00,
    PenCapSquare = 0x0100,
    PenCapFlat = 0x0200,
    PenJoinMask = 0xF000,
    PenJoinBevel = 0x1000,
    PenJoinMiter = 0x2000,
};

enum BrushStyle : quint16 {
    BrushSolid = 0,
    BrushNull = 1,
    BrushHatched = 2,
};

constexpr qsizetype FaceNameByte = 18;
constexpr qsizetype FaceNameSize = 32;

Qt::PenStyle penStyle(quint16 style)
{
    switch (style & PenStyleMask) {
    case PenDash:
        return Qt::DashLine;
    case PenDot:
        return Qt::DotLine;
    case PenDashDot:
        return Qt::DashDotLine;
    case PenDashDotDot:
        return Qt::DashDotDotLine;
    case PenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::PenCapStyle penCap(quint16 style)
{
    switch (style & PenCapMask) {
    case PenCapSquare:
        return Qt::SquareCap;
    case PenCapFlat:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

Qt::PenJoinStyle penJoin(quint16 style)
{
    switch (style & PenJoinMask) {
    case PenJoinBevel:
        return Qt::BevelJoin;
    case PenJoinMiter:
        return Qt::MiterJoin;
    default:
        return Qt::RoundJoin;
    }
}

Qt::BrushStyle hatchStyle(quint16 hatch)
{
    static constexpr Qt::BrushStyle styles[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < std::size(styles) ? styles[hatch] : Qt::HorPattern;
}

QFont::StyleHint styleHint(quint8 pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x30:
        return QFont::Monospace;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Decorative;
    default:
        return QFont::SansSerif;
    }
}

QString faceName(const WmfParams &params)
{
    const QByteArrayView bytes = params.bytes(FaceNameByte, FaceNameSize);
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.first(end)).trimmed();
}

quint8 byteAt(const WmfParams &params, qsizetype byte)
{
    const QByteArrayView bytes = params.bytes(byte, 1);
    return bytes.isEmpty() ? 0 : quint8(bytes.front());
}

} // namespace

QPen WmfObjectFactory::pen(const WmfParams &params)
{
    const quint16 style = params.wordAt(0);
    QPen pen(params.colorAt(3));
    pen.setStyle(penStyle(style));
    pen.setCapStyle(penCap(style));
    pen.setJoinStyle(penJoin(style));
    pen.setWidthF(qAbs(params.at(1)));
    return pen;
}

QBrush WmfObjectFactory::brush(const WmfParams &params)
{
    const QColor color = params.colorAt(1);
    switch (params.wordAt(0)) {
    case BrushSolid:
        return QBrush(color);
    case BrushNull:
        return QBrush(Qt::NoBrush);
    case BrushHatched:
        return QBrush(color, hatchStyle(params.wordAt(3)));
    default:
        return QBrush(Qt::gray);
    }
}

QBrush WmfObjectFactory::dibPatternBrush(const WmfParams &params)
{
    const QImage image = WmfDib::decode(params.bytesFrom(4), params.wordAt(1));
    if (image.isNull() || qint64(image.width()) * image.height() > MaxPatternPixels)
        return QBrush(Qt::gray);
    return QBrush(image);
}

WmfFont WmfObjectFactory::font(const WmfParams &params)
{
    WmfFont result;
    result.height = params.at(0);
    result.width = params.at(1);
    result.escapement = params.at(2);
    const QString face = faceName(params);
    result.font.setFamily(face.isEmpty() ? QStringLiteral("Arial") : face);
    result.font.setStyleHint(styleHint(byteAt(params, 17)));
    const int weight = params.at(4);
    result.font.setWeight(QFont::Weight(weight <= 0 ? 400 : qMin(weight, 1000)));
    result.font.setItalic(byteAt(params, 10) != 0);
    result.font.setUnderline(byteAt(params, 11) != 0);
    result.font.setStrikeOut(byteAt(params, 12) != 0);
    return result;
}

WmfRegion WmfObjectFactory::region(const WmfParams &params)
{
    const QPointF topLeft = params.pointXy(7);
    const QPointF bottomRight = params.pointXy(9);
    return WmfRegion{QRectF(topLeft, bottomRight).normalized()};
}
