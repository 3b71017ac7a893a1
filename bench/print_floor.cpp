// SPDX-License-Identifier: MIT
// The floor for a whole process printing the garden-club page: the least a
// Qt program can do to put the same texts, rules and picture on a PDF page,
// with nothing read from a control file, measured or laid out on the way.
//
// Usage: print_floor OUT.pdf [PICTURE]
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>

namespace {

constexpr double Dpi = 600;

double dots(double twips)
{
    return twips * Dpi / 1440;
}

QPointF at(double x, double y)
{
    return {dots(x), dots(y)};
}

void text(QPainter &painter, const QString &family, int points, bool bold, QPointF where, const QString &words)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter.setFont(font);
    painter.drawText(where + QPointF(0, painter.fontMetrics().ascent()), words);
}

void centred(QPainter &painter, const QString &family, int points, bool bold, double y, const QString &words)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter.setFont(font);
    const double width = painter.fontMetrics().horizontalAdvance(words);
    text(painter, family, points, bold, QPointF(dots(220 + 11160 / 2.0) - width / 2, dots(y)), words);
}

void box(QPainter &painter, double twips, QRectF rect, QColor colour = Qt::black)
{
    painter.setPen(QPen(colour, dots(twips)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(at(rect.x(), rect.y()), at(rect.right(), rect.bottom())));
}

// Decoded at the largest eighth, quarter or half that still covers the
// frame at 600 dpi, and drawn as it is.
void picture(QPainter &painter, const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isEmpty())
        return;
    const QSizeF frame = QSizeF(size).scaled(QSizeF(2860, 3200), Qt::KeepAspectRatio);
    const QSize printed(int(dots(frame.width())) + 1, int(dots(frame.height())) + 1);
    for (const int denominator : {8, 4, 2}) {
        const QSize fraction = size / denominator;
        if (fraction.width() >= printed.width() && fraction.height() >= printed.height()) {
            reader.setScaledSize(fraction);
            break;
        }
    }
    const QImage image = reader.read();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(at(8550, 350), QSizeF(dots(frame.width()), dots(frame.height()))), image);
    box(painter, 16, QRectF(8500, 300, frame.width() + 100, frame.height() + 100), QColor(192, 32, 128));
}

void grid(QPainter &painter)
{
    box(painter, 4, QRectF(220, 4400, 11240, 10620));
    box(painter, 6, QRectF(260, 4440, 11160, 10540));
    box(painter, 8, QRectF(300, 4480, 11080, 10460));
    painter.setPen(QPen(Qt::black, dots(12)));
    for (int i = 1; i <= 6; ++i)
        painter.drawLine(at(300 + 1583 * i, 4480), at(300 + 1583 * i, 4480 + 10460));
    for (int i = 0; i < 6; ++i)
        painter.drawLine(at(300, 4850 + 1680 * i), at(300 + 11080, 4850 + 1680 * i));
    const QString heads[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int k = 0; k < 7; ++k)
        text(painter, QStringLiteral("Arial"), 12, false, at(1400 + 1584 * k, 4530), heads[k]);
    // March 2004 starts on a Monday.
    for (int d = 1; d <= 31; ++d) {
        const int cell = d;
        const QPointF corner = at(1630 + 1580 * (cell % 7) - (d > 9 ? 80 : 0), 4930 + 1680 * (cell / 7));
        text(painter, QStringLiteral("Arial"), 12, false, corner, QString::number(d));
    }
    text(painter, QStringLiteral("Arial"), 8, false, at(1580 * 3 + 380, 4930 + 1680 * 2 + 200), QStringLiteral("Planting day"));
    text(painter, QStringLiteral("Arial"), 8, false, at(1580 * 2 + 380, 4930 + 1680 * 1 + 200), QStringLiteral("Committee"));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 1;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(int(Dpi));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    QPainter painter(&writer);
    text(painter, QStringLiteral("Arial"), 24, false, at(220, 500), QStringLiteral("Garden Club Calendar"));
    text(painter, QStringLiteral("Times"), 12, false, at(1000, 1150), QStringLiteral("Meetings at the hall"));
    text(painter, QStringLiteral("Times"), 12, false, at(1000, 1430), QStringLiteral("Bring a plate"));
    if (argc > 2)
        picture(painter, QString::fromLocal8Bit(argv[2]));
    centred(painter, QStringLiteral("Arial"), 18, true, 2900, QStringLiteral("Happy Spring"));
    centred(painter, QStringLiteral("Arial"), 28, false, 3550, QStringLiteral("March 2004"));
    grid(painter);
    return painter.end() ? 0 : 1;
}
