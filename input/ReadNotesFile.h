#pragma once

#include <QByteArrayView>

struct NotesFileTarget;

// Reads the control file named by target.strPickedFile into target. A path
// that does not end in "txt" (case-sensitive) or a file that cannot be read
// is answered with a message box and changes nothing. Notes add to what
// strNotes already holds; malformed lines are skipped silently.
void ReadNotesFile(NotesFileTarget &target);

// The reading of the file's contents, once opened.
void readNotesData(QByteArrayView data, NotesFileTarget &target);
