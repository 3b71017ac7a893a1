// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"

#include <QString>

// Adds a note to day index + 1: an empty entry takes the note, a filled one
// gets " ^ " and the note after what it holds. An index outside 0..30 stores
// nothing and returns false.
//
// A printed cell ends a line at every word that holds "^" and prints at most
// seven lines, whatever its font, so nothing after the seventh such word can
// ever print: an entry keeps its text up to and including the first "^" of
// that word, and a note added after it is dropped.
bool appendNote(DayNotes &strNotes, int index, QString note);

// Whether the entry holds seven words with "^", so that nothing added to it
// can print.
bool isFullEntry(QStringView entry);
