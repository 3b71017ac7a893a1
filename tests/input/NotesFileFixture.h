// SPDX-License-Identifier: MIT
#pragma once

#include "input/NotesFileContext.h"
#include "input/Refusal.h"
#include "page/CalendarPage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// A page as the control-file reader fills it, starting from year 2004 and
// month 3, with today fixed at 8 December 2026, a US locale, refusals
// recorded, and a scratch folder for control files and pictures.
class NotesFileFixture : public ::testing::Test
{
protected:
    static const QDate today;

    QString writeFile(const QString &name, const QByteArray &contents);
    // A real picture of the given pixel size in the scratch folder.
    QString writePicture(const QString &name, QSize pixels);
    // Writes contents to notes.txt and reads it.
    void readText(const QByteArray &contents);
    void read(const QString &path);

    CalendarPage page = startPage();
    QString &txtHeader = page.txtHeader;
    std::array<QString, 6> &txtMessage = page.txtMessage;
    QString &txtYear = page.txtYear;
    QString &txtMonth = page.txtMonth;
    DayNotes &strNotes = page.strNotes;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    std::vector<Refusal> refusals;
    QTemporaryDir dir;

private:
    static CalendarPage startPage();
};
