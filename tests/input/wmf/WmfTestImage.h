// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QByteArray;

// Plays a metafile onto a white image of the given size, the target being
// the whole image.
QImage playOnImage(const QByteArray &metafile, QSize size = QSize(100, 100));

// What a test expects of the pixels in an area.
struct PixelCheck
{
    enum Kind { All, Some, None };
    Kind kind = All;
    QRect area;
    QColor color;
};

// Empty when the check holds, otherwise a description of what was found.
QString failedCheck(const QImage &image, const PixelCheck &check);
