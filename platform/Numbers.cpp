// SPDX-License-Identifier: MIT
#include "platform/Numbers.h"

#include "platform/RuntimeError.h"

#include <QString>
#include <cmath>
#include <limits>

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

} // namespace

double Val(QStringView text)
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

qint16 CInt(double value)
{
    if (!std::isfinite(value) || value < -32768.5 || value >= 32767.5)
        throw RuntimeError(RuntimeError::Overflow);
    return checked16(std::llrint(std::nearbyint(value)));
}

qint16 addInt16(int a, int b)
{
    return checked16(static_cast<long long>(a) + b);
}

qint16 mulInt16(int a, int b)
{
    return checked16(static_cast<long long>(a) * b);
}
