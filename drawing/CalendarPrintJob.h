// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct CalendarPage;
class PrintSurface;
class QLocale;

// Composes the calendar page on the surface and ends the document, which the
// current device prints in the typed number of copies. Month and weekday
// names follow locale, and so does the first weekday if the page asks for the
// locale's. A RuntimeError stops the job at the failing step; the unfinished
// page is discarded before the error is passed on.
void printCalendar(PrintSurface &surface, const CalendarPage &page, const QLocale &locale);

// Named after the month the grid shows, "Calendar YYYY-MM", or after the
// months of a run of pages, "Calendar YYYY-MM to YYYY-MM": the PDF device
// names its file so.
QString documentName(const CalendarPage &first, const CalendarPage &last);

// The title over the month grid, as typed: month name and year.
QString monthTitle(const CalendarPage &page, const QLocale &locale);
