#include "app/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
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
    m_picture.draw(painter, target);
}
