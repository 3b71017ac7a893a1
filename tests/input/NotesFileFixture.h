#pragma once

#include "input/NotesFileTarget.h"
#include "platform/MsgBox.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// The main window's fields as the control-file reader sees them, with today
// fixed at 8 December 2026, a US locale, message boxes and picture loads
// recorded, and a scratch folder for control files.
class NotesFileFixture : public ::testing::Test
{
protected:
    static const QDate today;

    QString writeFile(const QString &name, const QByteArray &contents);
    // Writes contents to notes.txt and reads it.
    void readText(const QByteArray &contents);
    void read(const QString &path);

    QString strPickedFile;
    QString txtHeader;
    std::array<QString, 6> txtMessage;
    QString txtYear = QStringLiteral("2004");
    QString txtMonth = QStringLiteral("3");
    DayNotes strNotes;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    std::vector<QString> picturesShown;
    std::vector<MsgBoxRequest> boxes;
    QTemporaryDir dir;
};
