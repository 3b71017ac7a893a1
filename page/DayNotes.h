// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// The day-notes table: entry d - 1 holds the notes of day d of the page's
// month; several notes of one day are joined by " ^ ".
using DayNotes = std::array<QString, 31>;

inline const QString NoteSeparator = QStringLiteral(" ^ ");

// A printed cell ends a line at every word that holds this mark, and prints
// at most this many lines.
inline constexpr QChar LineBreakMark = u'^';
inline constexpr int CellLines = 7;
