// SPDX-License-Identifier: MIT
#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <QString>
#include <cmath>
#include <limits>
#include <optional>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Collects the characters of the leading number, skipping blanks anywhere
// inside it, and stops at the first character that cannot continue it.
QString leadingNumber(QStringView text)
{
    QString number;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && text[i].isDigit() && text[i].unicode() < 128; skipBlanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };

    skipBlanks();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        number += text[i++];
    bool digits = takeDigits();
    if (i < text.size() && text[i] == u'.') {
        number += text[i++];
        digits = takeDigits() || digits;
    }
    if (!digits)
        return QString();
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        const qsizetype mark = i;
        const qsizetype kept = number.size();
        number += u'e';
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            number += text[i++];
        if (!takeDigits()) {
            i = mark;
            number.truncate(kept);
        }
    }
    return number;
}

qint16 checked16(long long value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(RuntimeError::Overflow);
    return qint16(value);
}

// A leading number that is a plain integer of at most 15 digits, read
// without building its text: such a number is exact in a double, as the
// conversion of its text gives it. Nothing for any other text.
template <typename Text>
std::optional<double> plainInteger(const Text &text)
{
    constexpr int exactDigits = 15;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto unit = [&](qsizetype at) { return char16_t(QChar(text[at]).unicode()); };
    auto skipBlanks = [&] {
        while (i < size && (unit(i) == u' ' || unit(i) == u'\t'))
            ++i;
    };
    skipBlanks();
    const bool negative = i < size && unit(i) == u'-';
    if (i < size && (unit(i) == u'-' || unit(i) == u'+'))
        ++i;
    qint64 value = 0;
    int digits = 0;
    for (skipBlanks(); i < size && unit(i) >= u'0' && unit(i) <= u'9'; skipBlanks()) {
        if (++digits > exactDigits)
            return std::nullopt;
        value = value * 10 + (unit(i++) - u'0');
    }
    const bool continues = i < size && QStringView(u".eEdD").contains(QChar(unit(i)));
    if (digits == 0 || continues)
        return std::nullopt;
    // -0 stays negative, as the conversion gives it.
    return negative ? -double(value) : double(value);
}

double numberValue(QStringView text)
{
    const QString number = leadingNumber(text);
    if (number.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // Out of double range: the sign of the exponent decides.
    return number.contains(u"e-") ? 0.0 : (number.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL);
}

} // namespace

double Val(QStringView text)
{
    if (const std::optional<double> value = plainInteger(text))
        return *value;
    return numberValue(text);
}

double Val(QLatin1StringView text)
{
    if (const std::optional<double> value = plainInteger(text))
        return *value;
    return numberValue(text.toString());
}

qint16 CInt(double value)
{
    if (const std::optional<qint16> rounded = roundedInt16(value))
        return *rounded;
    throw RuntimeError(RuntimeError::Overflow);
}

std::optional<qint16> roundedInt16(double value)
{
    if (!std::isfinite(value) || value < -32768.5 || value >= 32767.5)
        return std::nullopt;
    const long long rounded = std::llrint(std::nearbyint(value));
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(rounded);
}

qint16 addInt16(int a, int b)
{
    return checked16(static_cast<long long>(a) + b);
}

qint16 mulInt16(int a, int b)
{
    return checked16(static_cast<long long>(a) * b);
}
