#pragma once

#include "platform/DayNotes.h"
#include "platform/MsgBox.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <functional>

// What a control file reads and writes: the main window's fields as plain
// texts, the day-notes table, the window's picture loading (which loads the
// path in strPickedFile), where message boxes go, today's date and the
// user's locale.
struct NotesFileTarget
{
    QString &strPickedFile;
    QString &txtHeader;
    std::array<QString, 6> &txtMessage;
    QString &txtYear;
    QString &txtMonth;
    DayNotes &strNotes;
    std::function<void()> ShowPicFile;
    MsgBoxFunction msgBox;
    QDate today;
    QLocale locale;
};
