// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1StringView>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// Leading-number parse of a text: blanks are ignored, an optional sign,
// digits with an optional decimal point and exponent; the number ends at the
// first character that cannot continue it. A text without a number gives 0.
double Val(QStringView text);
// The same of a text whose bytes are the characters; a byte of 128 and above
// ends a number as any non-ASCII character does, so the bytes of UTF-8 or
// Windows-1252 text read as their decoded text.
double Val(QLatin1StringView text);

// Nearest 16-bit integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Raises RuntimeError::Overflow outside -32768..32767.
qint16 CInt(double value);
// The same, giving nothing where CInt raises Overflow: for callers that skip
// such a value, many times over.
std::optional<qint16> roundedInt16(double value);

// A 16-bit sum or product, raising RuntimeError::Overflow when the result
// leaves the 16-bit range, as the platform's integer arithmetic does.
qint16 addInt16(int a, int b);
qint16 mulInt16(int a, int b);
