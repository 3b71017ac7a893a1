// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

class QString;
struct CalendarPage;
struct NotesFileContext;

// Reads the control file at strPickedFile into page: its fields, its notes
// (added to what strNotes already holds) and its picture. A path that does
// not end in "txt" (case-sensitive) or a file that cannot be read is answered
// with a message box and changes nothing. Malformed lines are skipped
// silently.
void ReadNotesFile(const QString &strPickedFile, CalendarPage &page, const NotesFileContext &context);

// The reading of the file's contents, once opened.
void readNotesData(QByteArrayView data, CalendarPage &page, const NotesFileContext &context);
