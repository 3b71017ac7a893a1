// SPDX-License-Identifier: MIT
#pragma once

#include "page/Picture.h"

#include <QFrame>
#include <QImage>

// The main window's picture box: holds the loaded picture for the print job
// and shows it scaled to fit the box, proportions kept. The picture is drawn
// once into an image of the size shown; paints show that image, so a costly
// metafile never holds up a repaint.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    // The rectangle, inside contentsRect(), that the picture is drawn into.
    QRectF pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage &shownImage(QSizeF size);

    Picture m_picture;
    QImage m_shown;
};
