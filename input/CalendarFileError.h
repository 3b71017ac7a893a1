// SPDX-License-Identifier: MIT
#pragma once

#include "input/Refusal.h"

#include <stdexcept>

// Raised while a calendar file or address book is read: why it, or one of
// its entries, cannot be taken.
class CalendarFileError : public std::runtime_error
{
public:
    explicit CalendarFileError(Refusal::Reason reason, const QString &name = QString())
        : std::runtime_error("calendar file refused")
        , m_refusal{Refusal::Subject::Calendar, reason, QString(), name}
    {
    }

    explicit CalendarFileError(const Refusal &refusal)
        : std::runtime_error("calendar file refused")
        , m_refusal(refusal)
    {
    }

    const Refusal &refusal() const { return m_refusal; }

private:
    Refusal m_refusal;
};
