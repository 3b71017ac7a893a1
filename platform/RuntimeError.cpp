// SPDX-License-Identifier: MIT
#include "platform/RuntimeError.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument");
    case Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case SubscriptOutOfRange:
        return QCoreApplication::translate("RuntimeError", "Subscript out of range");
    case DivisionByZero:
        return QCoreApplication::translate("RuntimeError", "Division by zero");
    case TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Type mismatch");
    case PrinterError:
        return QCoreApplication::translate("RuntimeError", "Printer error");
    }
    return QString();
}
