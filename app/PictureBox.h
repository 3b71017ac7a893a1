#pragma once

#include "surface/Picture.h"

#include <QFrame>

// The main window's picture box: holds the loaded picture for the print job
// and shows it scaled to fit the box, proportions kept.
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
    Picture m_picture;
};
