// SPDX-License-Identifier: MIT
#pragma once

#include "input/Refusal.h"

// The entries of an attached file that cannot be read and were left out:
// how many, and why the first of them was.
struct LeftOutEntries
{
    QString file;
    int count = 0;
    Refusal first;
};
