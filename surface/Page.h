// SPDX-License-Identifier: MIT
#pragma once

#include "page/Picture.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <variant>

// A page recorded by the print surface: a display list in twips from the
// top-left corner of the printable area.

// Text whose top-left corner is at pos.
struct PageText
{
    QPointF pos;
    QString text;
    QString fontName;
    double pointSize = 0;
    bool bold = false;
};

// A straight line; width in device dots.
struct PageLine
{
    QPointF from;
    QPointF to;
    int width = 1;
    QColor color = Qt::black;
};

// A rectangle outline, not filled; width in device dots.
struct PageBox
{
    QRectF rect;
    int width = 1;
    QColor color = Qt::black;
};

// A picture stretched to rect.
struct PagePicture
{
    QRectF rect;
    Picture picture;
};

using PageItem = std::variant<PageText, PageLine, PageBox, PagePicture>;

struct Page
{
    QList<PageItem> items;

    bool isEmpty() const { return items.isEmpty(); }
};
