// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

// Why a calendar file or address book cannot be attached, in words for the
// "Try again . . ." box.
class CalendarFileError : public std::runtime_error
{
public:
    explicit CalendarFileError(const QString &problem)
        : std::runtime_error(problem.toStdString())
        , m_problem(problem)
    {
    }

    const QString &problem() const { return m_problem; }

private:
    QString m_problem;
};
