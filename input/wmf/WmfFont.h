// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// A logical font as a metafile describes it. Height and width are logical
// units: a negative height is the character height, a positive one the cell
// height, zero the default.
struct WmfFont
{
    QFont font;
    qint16 height = 0;
    qint16 width = 0;
    qint16 escapement = 0;
};
