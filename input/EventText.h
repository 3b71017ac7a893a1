// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// The properties of one event of an iCalendar text, BEGIN:VEVENT to
// END:VEVENT, unfolded: the event's own, not those of the alarms and other
// parts inside it. Read without libical, whose tree of an event costs many
// times the event's text.
class EventText
{
public:
    class Property
    {
    public:
        Property(QByteArray line, qsizetype nameEnd, qsizetype valueStart);

        QByteArrayView name() const { return QByteArrayView(m_line).first(m_nameEnd); }
        // As written, with its escapes.
        QByteArrayView value() const { return QByteArrayView(m_line).sliced(m_valueStart); }
        // The value of a parameter without its quotes; empty when absent.
        QByteArrayView parameter(QByteArrayView name) const;
        // A text value with its escapes undone.
        QByteArray text() const;

    private:
        QByteArray m_line;
        qsizetype m_nameEnd;
        qsizetype m_valueStart;
    };

    // text must outlive the properties: unfolded lines are the only copies.
    explicit EventText(QByteArrayView text);

    // Names compare without regard to case.
    const Property *first(QByteArrayView name) const;
    std::vector<const Property *> all(QByteArrayView name) const;

private:
    std::vector<Property> m_properties;
};
