// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <exception>

// A numbered run-time error, as the platform the program was written against
// reports it. Raised where a step of a handler fails; the handler guard turns
// it into a message box and the program keeps running.
class RuntimeError : public std::exception
{
public:
    enum Number {
        InvalidProcedureCall = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        PrinterError = 482,
    };

    explicit RuntimeError(Number number);
    // cause: what went wrong and why, in one line for a log; the error's
    // box stays as the number says.
    RuntimeError(Number number, QString cause);

    Number number() const noexcept { return m_number; }
    QString description() const;
    QString cause() const { return m_cause; }
    const char *what() const noexcept override;

    static QString descriptionOf(Number number);

private:
    Number m_number;
    QByteArray m_what;
    QString m_cause;
};
