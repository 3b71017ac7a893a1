// SPDX-License-Identifier: MIT
#pragma once

#include "page/DayNotes.h"
#include "page/EventSource.h"
#include "page/Picture.h"
#include "platform/WeekStart.h"

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
    // The lines of the block beside the picture, then the centred message
    // line: txtMessage[0] to [LineCount - 1], and txtMessage[MessageLine].
    static constexpr int LineCount = 5;
    static constexpr int MessageLine = LineCount;

    QString txtHeader;
    std::array<QString, LineCount + 1> txtMessage;

    PageFonts fonts;
    DayNotes strNotes;
    WeekStart weekStart = WeekStart::Sunday;

    // The picture prints only once one has been selected.
    bool binSelPic = false;
    Picture picture;

    // The attached calendar file or address book: its notes are added to the
    // printed month, after strNotes, which it never changes.
    std::shared_ptr<const EventSource> events;
};
