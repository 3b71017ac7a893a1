// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <QtGlobal>

class PrintSurface;
class QString;

// Prints Tt as a block of word-wrapped lines at (Tx, Ty) in font Tf at 8 pt:
// words split at blanks only (a tab in a word prints as a blank), lines at
// most Tw twips wide (the joining blank not counted), a word holding "^" ends
// the line, at most seven lines. A word wider than a whole line is broken
// across lines, each at most Tw wide, so nothing runs past the block; one
// without line-break opportunities takes at most two lines, the last ending
// in "…" where it was cut, and the next word starts a line of its own.
// Tt is consumed: on return it holds only the text that was not taken.
void PlaceText(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QString &Tt);

// Prints Tt as PlaceText does and returns the part not taken as a view into
// Tt, null when all was taken. Callers that drop the rest copy nothing.
QStringView placeTextBlock(PrintSurface &surface, float Tx, float Ty, qint16 Tw, const QString &Tf, QStringView Tt);
