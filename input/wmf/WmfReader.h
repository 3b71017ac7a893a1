// SPDX-License-Identifier: MIT
#pragma once

#include "input/wmf/WmfDocument.h"

#include <optional>

class QByteArray;

// Reads the headers and walks the records of a metafile, checking that each
// lies within the data and that its contents fit in it.
class WmfReader
{
public:
    // Empty when the headers are not a metafile's or a record is broken.
    static std::optional<WmfDocument> read(const QByteArray &data);

private:
    static std::optional<qsizetype> readPlaceable(const QByteArray &data, WmfDocument &document);
    static bool validHeader(const QByteArray &data, qsizetype offset);
    static bool readRecords(const QByteArray &data, qsizetype offset, WmfDocument &document);
};
