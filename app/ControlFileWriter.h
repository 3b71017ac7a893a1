// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct CalendarPage;

// Writes a page as a control file that reads back into a fresh window as the
// same page: HDR, the notes lines as NOT, MSG, YER, MON, one DAY line per note
// of the month and PIC with the picture's path; UTF-8, CR LF line ends.
//
// A line reads back trimmed of blanks and a tag without a value reads as the
// tag itself, so empty texts are left out, and an empty notes line before a
// filled one is written as one no-break space: it prints as the empty line
// did, which nothing the reader takes can say otherwise.
class ControlFileWriter
{
public:
    static QByteArray data(const CalendarPage &page);

    // Writes the file at path whole or not at all, replacing a file of that
    // name; the problem, in the system's words, when it cannot.
    static std::optional<QString> write(const QString &path, const CalendarPage &page);
};
