// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QTransform>

struct Page;

// Where a page goes on a printable area. It keeps its positions from the
// area's top-left corner whenever all its drawing (frames and pictures with
// their pens) fits; otherwise it is scaled down uniformly by the least factor
// that makes it fit and centred, never cut and never distorted. Texts do not
// count: they run within the frames, or past the edge as the user typed them;
// so the page is taken from its top edge down, from its leftmost drawing
// across.
class PageFit
{
public:
    // printable in twips; line widths of page count in recordedDotsPerInch.
    static QTransform of(const Page &page, const QSizeF &printable, int recordedDotsPerInch);
    // The twips the drawing of page takes, from the top of the page.
    static QRectF extent(const Page &page, int recordedDotsPerInch);
};
