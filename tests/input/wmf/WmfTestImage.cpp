// SPDX-License-Identifier: MIT
#include "WmfTestImage.h"

#include "input/wmf/WmfPicture.h"

#include <QPainter>

QImage playOnImage(const QByteArray &metafile, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::shared_ptr<const WmfPicture> picture = WmfPicture::fromData(metafile);
    if (!picture)
        return {};
    QPainter painter(&image);
    picture->draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QString failedCheck(const QImage &image, const PixelCheck &check)
{
    int matching = 0;
    QPoint other(-1, -1);
    const QRect area = check.area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == check.color.rgb())
                ++matching;
            else if (other.x() < 0)
                other = QPoint(x, y);
        }
    }
    const int total = area.width() * area.height();
    const bool holds = (check.kind == PixelCheck::All && matching == total && total > 0)
                       || (check.kind == PixelCheck::Some && matching > 0)
                       || (check.kind == PixelCheck::None && matching == 0);
    if (holds)
        return {};
    QString found = QString::number(matching) + " of " + QString::number(total) + " pixels are "
                    + check.color.name();
    if (other.x() >= 0)
        found += ", e.g. (" + QString::number(other.x()) + "," + QString::number(other.y()) + ") is "
                 + QColor(image.pixel(other)).name();
    return found;
}
