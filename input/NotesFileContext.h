// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QLocale>

// What reading a control file needs besides the page it fills: today's date
// (for dates written without a year) and the user's locale (for dates and
// month names).
struct NotesFileContext
{
    QDate today;
    QLocale locale;
};
