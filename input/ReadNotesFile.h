// SPDX-License-Identifier: MIT
#pragma once

#include "input/Refusal.h"

#include <QByteArrayView>
#include <vector>

class QString;
struct CalendarPage;
struct NotesFileContext;

// Reads the control file at strPickedFile into page: its fields, its notes
// (added to what strNotes already holds) and its picture. A path that does
// not end in "txt" (case-sensitive) or a file that cannot be read is refused
// and changes nothing. Malformed lines are skipped silently. Gives the
// refusals in the order they came: the file's own, or those of its picture
// lines, after which reading went on.
std::vector<Refusal> ReadNotesFile(const QString &strPickedFile, CalendarPage &page, const NotesFileContext &context);

// The reading of the file's contents, once opened.
std::vector<Refusal> readNotesData(QByteArrayView data, CalendarPage &page, const NotesFileContext &context);
