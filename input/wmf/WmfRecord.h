// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfFunction.h"

#include <QtGlobal>

// One record of a loaded metafile: its function and where its parameters lie
// in the file (after the six bytes of size and function).
struct WmfRecord
{
    WmfFunction function = WmfFunction::Eof;
    qsizetype offset = 0;
    qsizetype words = 0;
};
