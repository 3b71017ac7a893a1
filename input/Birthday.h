// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A person's birthday from an address book or a birthday calendar; the year
// is 0 when it is not known.
struct Birthday
{
    QString name;
    int year = 0;
    int month = 0;
    int day = 0;

    // The day the birthday falls on in month of year, or 0 when it falls in
    // another month. 29 February is kept on the 28th in common years, so it
    // stays in its own month.
    int dayIn(int year, int month) const;

    // The note for year: the name, and with a known birth year the age reached
    // that year in the words of a BIR line ("Ann is  36"). Empty for years up
    // to the birth year.
    QString noteFor(int year) const;
    bool hasNoteFor(int year) const;
};
