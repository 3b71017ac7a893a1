// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <vector>

// Calendar files and address books made to cost a reader time or memory, as
// the hostile-input tests and benchmarks make them; each still holds an entry
// that can be printed, or nothing but the hostile part.
struct HostileCalendar
{
    const char *name;
    const char *fileName;
    QByteArray (*make)();
    // CPU time to read it and lay one month that readers without budgets
    // took far longer for.
    int limitMs;
};

const std::vector<HostileCalendar> &hostileCalendars();
