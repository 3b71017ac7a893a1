// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// iCalendar and vCard fold long lines: a line that starts with a blank goes
// on the one before it.

// Where the logical line that begins at begin ends, after its line end.
qsizetype logicalLineEnd(QByteArrayView text, qsizetype begin);

// A logical line without its folds and its line end.
QByteArray unfolded(QByteArrayView line);
