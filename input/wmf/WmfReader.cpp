// SPDX-License-Identifier: MIT
#include "input/wmf/WmfReader.h"

#include "input/wmf/WmfBytes.h"
#include "input/wmf/WmfParams.h"
#include "input/wmf/WmfRecordValidator.h"

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype HeaderSize = 18;
constexpr qsizetype RecordHeaderSize = 6;

} // namespace

std::optional<WmfDocument> WmfReader::read(const QByteArray &data)
{
    WmfDocument document;
    const std::optional<qsizetype> start = readPlaceable(data, document);
    if (!start || !validHeader(data, *start) || !readRecords(data, *start + HeaderSize, document))
        return std::nullopt;
    // Kept as our own copy: the caller's bytes may be borrowed, not owned.
    document.data = data;
    document.data.detach();
    return document;
}

std::optional<qsizetype> WmfReader::readPlaceable(const QByteArray &data, WmfDocument &document)
{
    if (data.size() < 4 || wmfDwordAt(data, 0) != PlaceableKey)
        return 0;
    if (data.size() < PlaceableSize)
        return std::nullopt;
    const auto coordinate = [&](qsizetype offset) { return qint16(wmfWordAt(data, offset)); };
    const QPointF topLeft(coordinate(6), coordinate(8));
    const QPointF bottomRight(coordinate(10), coordinate(12));
    document.placeable = WmfPlaceable{QRectF(topLeft, bottomRight).normalized(), wmfWordAt(data, 14)};
    return PlaceableSize;
}

bool WmfReader::validHeader(const QByteArray &data, qsizetype offset)
{
    if (data.size() - offset < HeaderSize)
        return false;
    const quint16 type = wmfWordAt(data, offset);
    const quint16 headerWords = wmfWordAt(data, offset + 2);
    const quint16 version = wmfWordAt(data, offset + 4);
    return (type == 1 || type == 2) && headerWords == HeaderSize / 2 && (version == 0x0100 || version == 0x0300);
}

bool WmfReader::readRecords(const QByteArray &data, qsizetype offset, WmfDocument &document)
{
    while (offset < data.size()) {
        if (data.size() - offset < RecordHeaderSize)
            return false;
        const qint64 words = wmfDwordAt(data, offset);
        if (words < RecordHeaderSize / 2 || words > (data.size() - offset) / 2)
            return false;
        const WmfRecord record{WmfFunction(wmfWordAt(data, offset + 4)), offset + RecordHeaderSize,
                               qsizetype(words) - RecordHeaderSize / 2};
        if (record.function == WmfFunction::Eof)
            return true;
        if (!WmfRecordValidator::fits(WmfParams(data, record), record.function))
            return false;
        document.records.push_back(record);
        offset += qsizetype(words) * 2;
    }
    return true;
}
