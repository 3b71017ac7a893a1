// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

// The look the program's windows share.

// family at the given size; where it is missing, Liberation Sans (Arial's
// narrow metrics) keeps captions inside their laid-out controls, which wide
// default sans faces do not fit.
QFont windowFont(const QString &family, qreal points, bool bold);

// The dialog face of buttons, labels and fields.
QFont dialogFont(qreal points, bool bold);

// A background role brings its text role along, set to text, so captions
// keep their contrast whatever palette the desktop has.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour, const QColor &text = Qt::black);

// Controls placed at fixed positions change sides in a right-to-left window,
// as the controls in a layout do by themselves.
void mirrorForRightToLeft(QWidget *area);
