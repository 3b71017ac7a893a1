// SPDX-License-Identifier: MIT
#pragma once

struct CalendarPage;
class PrintSurface;
class QLocale;

// Composes the calendar page on the surface and ends the document, which the
// current device prints in the typed number of copies. Month names follow
// locale. A RuntimeError stops the job at the failing step; the unfinished
// page is discarded before the error is passed on.
void printCalendar(PrintSurface &surface, const CalendarPage &page, const QLocale &locale);
