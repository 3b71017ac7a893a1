// SPDX-License-Identifier: MIT
#pragma once

#include "input/CalendarContents.h"

#include <QByteArrayView>

// Reads the birthdays of an address book in vCard 2.1, 3.0 or 4.0: the
// formatted name (FN, else N) and BDAY of every card that has both. Folded
// lines are unfolded, quoted-printable values decoded and each value read in
// its CHARSET (UTF-8 by default, Windows-1252 when it is not valid UTF-8). A
// BDAY that is no date (a text, a year alone) is passed over; a card whose
// FN, N or BDAY line is longer than a calendar program writes is left out. Raises
// CalendarFileError when the cards are not properly begun and ended.
class VCardReader
{
public:
    static CalendarContents read(QByteArrayView data);
};
