// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DayNotes.h"
#include "surface/EventSource.h"
#include "surface/Picture.h"

#include <QString>
#include <array>
#include <memory>

// The typefaces of the five kinds of text on the page, by family name.
struct PageFonts
{
    QString strMonthFont = QStringLiteral("Arial");
    QString strHdrFont = QStringLiteral("Arial");
    QString strAdrFont = QStringLiteral("Times");
    QString strMsgFont = QStringLiteral("Arial");
    QString strCalFont = QStringLiteral("Arial");

    friend bool operator==(const PageFonts &, const PageFonts &) = default;
};

// One calendar page as the user composes it: what the main window's fields
// show, what a control file fills in and what the print job draws. Texts are
// kept as typed; the print job reads its numbers from them. A default page
// holds the window's start values.
struct CalendarPage
{
    QString txtYear = QStringLiteral("2003");
    QString txtMonth = QStringLiteral("1");
    QString txtCopies = QStringLiteral("1");
    QString txtHeader;
    // 0 to 4: the five-line block; 5: the centred message line.
    std::array<QString, 6> txtMessage;

    PageFonts fonts;
    DayNotes strNotes;

    // The picture prints only once one has been selected.
    bool binSelPic = false;
    Picture picture;

    // The attached calendar file or address book: its notes are added to the
    // printed month, after strNotes, which it never changes.
    std::shared_ptr<const EventSource> events;
};
