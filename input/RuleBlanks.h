// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The iCalendar text with the blanks dropped that calendar programs write
// around the commas, semicolons and equals signs of RRULE, EXRULE, RDATE and
// EXDATE values (libical drops such a rule whole). Those lines come back
// unfolded; every other byte is kept as it is.
QByteArray withoutBlanksInRules(QByteArrayView text);

// One such value without those blanks.
QByteArray withoutBlanksInValue(QByteArrayView value);
