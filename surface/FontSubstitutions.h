// SPDX-License-Identifier: MIT
#pragma once

// Makes the program's font names resolve to the same faces on every machine.
// Called once at start, after the QGuiApplication exists.
void installFontSubstitutions();
