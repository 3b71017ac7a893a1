// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

#include <QDate>
#include <QLocale>

// What reading a control file needs besides the page it fills: where its
// message boxes go, today's date (for ages) and the user's locale (for
// dates and month names).
struct NotesFileContext
{
    MsgBoxFunction msgBox;
    QDate today;
    QLocale locale;
};
