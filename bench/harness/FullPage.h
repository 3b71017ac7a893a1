// SPDX-License-Identifier: MIT
#pragma once

#include "page/CalendarPage.h"

// A full page of August 2003: header, five lines, message, picture and three
// notes a day.
CalendarPage fullPage(const Picture &picture);
