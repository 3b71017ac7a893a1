// SPDX-License-Identifier: MIT
#include "input/EventText.h"

#include "input/FoldedLines.h"

namespace {

// The logical line at begin, and where the next begins: a view of text
// unless it was folded.
QByteArray logicalLine(QByteArrayView text, qsizetype &begin)
{
    const qsizetype end = logicalLineEnd(text, begin);
    const QByteArrayView line = text.sliced(begin, end - begin);
    begin = end;
    const qsizetype firstEnd = line.indexOf('\n');
    if (firstEnd >= 0 && firstEnd + 1 < line.size())
        return unfolded(line);
    QByteArrayView content = line;
    while (!content.isEmpty() && (content.back() == '\r' || content.back() == '\n'))
        content.chop(1);
    return QByteArray::fromRawData(content.data(), content.size());
}

// Where the value begins: after the first colon outside a quoted parameter.
qsizetype valueStartOf(QByteArrayView line, qsizetype from)
{
    bool quoted = false;
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i + 1;
    }
    return -1;
}

bool isNamed(QByteArrayView line, QByteArrayView name)
{
    const QByteArrayView trimmed = line.trimmed();
    return trimmed.size() == name.size() && trimmed.compare(name, Qt::CaseInsensitive) == 0;
}

char unescaped(char c)
{
    switch (c) {
    case 'n':
    case 'N': return '\n';
    case 't':
    case 'T': return '\t';
    case 'r':
    case 'R': return '\r';
    case 'b':
    case 'B': return '\b';
    case 'f':
    case 'F': return '\f';
    case ';':
    case ',':
    case '"':
    case '\\': return c;
    default: return ' ';
    }
}

} // namespace

EventText::Property::Property(QByteArray line, qsizetype nameEnd, qsizetype valueStart)
    : m_line(std::move(line))
    , m_nameEnd(nameEnd)
    , m_valueStart(valueStart)
{
}

QByteArrayView EventText::Property::parameter(QByteArrayView name) const
{
    const QByteArrayView parameters = QByteArrayView(m_line).sliced(m_nameEnd, m_valueStart - 1 - m_nameEnd);
    for (qsizetype at = 0; at < parameters.size();) {
        // Each parameter follows a semicolon.
        const qsizetype begin = at + 1;
        bool quoted = false;
        qsizetype end = begin;
        while (end < parameters.size() && (quoted || parameters[end] != ';')) {
            if (parameters[end] == '"')
                quoted = !quoted;
            ++end;
        }
        const QByteArrayView parameter = parameters.sliced(begin, end - begin);
        const qsizetype equals = parameter.indexOf('=');
        if (equals > 0 && parameter.first(equals).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            QByteArrayView value = parameter.sliced(equals + 1).trimmed();
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.sliced(1, value.size() - 2);
            return value;
        }
        at = end;
    }
    return {};
}

QByteArray EventText::Property::text() const
{
    const QByteArrayView written = value();
    QByteArray result;
    result.reserve(written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written[i] == '\\' && i + 1 < written.size())
            result += unescaped(written[++i]);
        else
            result += written[i];
    }
    return result;
}

EventText::EventText(QByteArrayView text)
{
    // Calendar programs write a handful of properties an event.
    m_properties.reserve(8);
    // Depth 1 is the event's own; its alarms lie deeper.
    int depth = 0;
    for (qsizetype begin = 0; begin < text.size();) {
        QByteArray line = logicalLine(text, begin);
        // Read through a view: a QByteArray over the file's bytes would copy
        // itself on the first non-const access.
        const QByteArrayView view = line;
        if (view.size() > 6 && view.first(6).compare("BEGIN:", Qt::CaseInsensitive) == 0) {
            ++depth;
            continue;
        }
        if (view.size() > 4 && view.first(4).compare("END:", Qt::CaseInsensitive) == 0) {
            --depth;
            continue;
        }
        qsizetype nameEnd = 0;
        while (nameEnd < view.size() && view[nameEnd] != ';' && view[nameEnd] != ':')
            ++nameEnd;
        const qsizetype valueStart = valueStartOf(view, nameEnd);
        if (depth == 1 && nameEnd > 0 && valueStart > 0)
            m_properties.emplace_back(std::move(line), nameEnd, valueStart);
    }
}

const EventText::Property *EventText::first(QByteArrayView name) const
{
    for (const Property &property : m_properties) {
        if (isNamed(property.name(), name))
            return &property;
    }
    return nullptr;
}

std::vector<const EventText::Property *> EventText::all(QByteArrayView name) const
{
    std::vector<const Property *> found;
    for (const Property &property : m_properties) {
        if (isNamed(property.name(), name))
            found.push_back(&property);
    }
    return found;
}
