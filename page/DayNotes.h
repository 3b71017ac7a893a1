// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// The day-notes table: entry d - 1 holds the notes of day d of the page's
// month; several notes of one day are joined by " ^ ".
using DayNotes = std::array<QString, 31>;

inline const QString NoteSeparator = QStringLiteral(" ^ ");
