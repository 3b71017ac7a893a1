// SPDX-License-Identifier: MIT
#include "platform/RuntimeError.h"

RuntimeError::RuntimeError(Number number)
    : m_number(number)
    , m_what(QStringLiteral("Run-time error '%1': %2").arg(int(number)).arg(descriptionOf(number)).toUtf8())
{
}

RuntimeError::RuntimeError(Number number, QString cause)
    : RuntimeError(number)
{
    m_cause = std::move(cause);
}

QString RuntimeError::description() const
{
    return descriptionOf(m_number);
}

const char *RuntimeError::what() const noexcept
{
    return m_what.constData();
}

QString RuntimeError::descriptionOf(Number number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case DivisionByZero:
        return QStringLiteral("Division by zero");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case PrinterError:
        return QStringLiteral("Printer error");
    }
    return QString();
}
