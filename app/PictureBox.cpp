// SPDX-License-Identifier: MIT
#include "app/PictureBox.h"

#include <QPainter>

namespace {

// What a screen reader tells of the picture: "tulips.jpg, 4000 × 3000".
QString describe(const Picture &picture)
{
    if (picture.isNull())
        return {};
    const QSize pixels = picture.pixelSize();
    if (pixels.isEmpty())
        return picture.fileName();
    return QStringLiteral("%1, %2 \u00d7 %3").arg(picture.fileName()).arg(pixels.width()).arg(pixels.height());
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    // A tab stop in the window's order: focused, it tells which picture
    // is shown.
    setAccessibleName(QStringLiteral("Picture"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_shown = QImage();
    setAccessibleDescription(describe(picture));
    update();
}

QRectF PictureBox::pictureRect() const
{
    const QSizeF own = m_picture.sizeTwips();
    const QRectF box = contentsRect();
    if (m_picture.isNull() || own.isEmpty() || box.isEmpty())
        return {};
    const QSizeF fitted = own.scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), fitted);
    target.moveCenter(box.center());
    return target;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRectF target = pictureRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(target, shownImage(target.size()));
}

const QImage &PictureBox::shownImage(QSizeF size)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (size * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_shown.size() == pixels && m_shown.devicePixelRatio() == ratio)
        return m_shown;
    m_shown = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_shown.setDevicePixelRatio(ratio);
    m_shown.fill(Qt::transparent);
    QPainter painter(&m_shown);
    m_picture.draw(painter, QRectF(QPointF(), size));
    return m_shown;
}
