// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DayNotes.h"

class QString;

// Adds a note to day index + 1: an empty entry takes the note, a filled one
// gets " ^ " and the note after what it holds. An index outside 0..30 stores
// nothing and returns false.
bool appendNote(DayNotes &strNotes, int index, const QString &note);
