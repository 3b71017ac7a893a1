// SPDX-License-Identifier: MIT
#include "input/RuleBlanks.h"

#include "input/FoldedLines.h"

#include <array>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isSeparator(char c)
{
    return c == ',' || c == ';' || c == '=';
}

bool isRuleLine(QByteArrayView line)
{
    static constexpr std::array<QByteArrayView, 4> names{"RRULE", "EXRULE", "RDATE", "EXDATE"};
    for (const QByteArrayView name : names) {
        if (line.size() > name.size() && line.first(name.size()).compare(name, Qt::CaseInsensitive) == 0
            && (line[name.size()] == ':' || line[name.size()] == ';'))
            return true;
    }
    return false;
}

// Where the value begins: after the first colon outside a quoted parameter.
qsizetype valueStart(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i + 1;
    }
    return line.size();
}

QByteArray withoutBlanks(QByteArrayView line)
{
    const QByteArray whole = unfolded(line);
    const qsizetype start = valueStart(whole);
    return whole.first(start) + withoutBlanksInValue(QByteArrayView(whole).sliced(start)) + "\r\n";
}

} // namespace

QByteArray withoutBlanksInRules(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    for (qsizetype begin = 0; begin < text.size();) {
        const qsizetype end = logicalLineEnd(text, begin);
        const QByteArrayView line = text.sliced(begin, end - begin);
        if (isRuleLine(line))
            result += withoutBlanks(line);
        else
            result += line;
        begin = end;
    }
    return result;
}

QByteArray withoutBlanksInValue(QByteArrayView value)
{
    QByteArray result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size();) {
        if (!isBlank(value[i])) {
            result += value[i++];
            continue;
        }
        qsizetype next = i;
        while (next < value.size() && isBlank(value[next]))
            ++next;
        const bool afterSeparator = result.isEmpty() || isSeparator(result.back());
        const bool beforeSeparator = next == value.size() || isSeparator(value[next]);
        if (!afterSeparator && !beforeSeparator)
            result += value.sliced(i, next - i);
        i = next;
    }
    return result;
}
