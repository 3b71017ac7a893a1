// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Why a file the user gave, or an entry of it, was not taken: what was
// refused and why, as a value. The readers only report it; the window words
// it as a box and the command line as a line.
struct Refusal
{
    enum class Subject { ControlFile, Picture, Calendar };

    enum class Reason {
        NotControlFileName,
        NotPictureFileName,
        Unreadable,
        TooLarge,
        NotCalendar,
        InvalidCalendar,
        EventWithoutDate,
        UnreadableRule,
        TooManyRepeats,
        UnreadableTimeZone,
        CardInsideCard,
        CardNeverBegun,
        CardNeverEnded,
        LineTooLong,
    };

    Subject subject = Subject::ControlFile;
    Reason reason = Reason::Unreadable;
    // The file as it was given.
    QString file;
    // The event or time zone concerned, for the reasons about one.
    QString name;

    friend bool operator==(const Refusal &, const Refusal &) = default;
};
