// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct LeftOutEntries;
struct Refusal;

// The words the window's boxes and the command line's lines give a refusal:
// what the user is asked to pick instead, or what is wrong with the file.
QString refusalReason(const Refusal &refusal);

// What became of the entries of an attached file that were left out.
QString leftOutReason(const LeftOutEntries &leftOut);
