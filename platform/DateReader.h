// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QString>
#include <memory>

// Text to date under the user's settings, as DateValue reads it, for many
// texts in a row: the locale's names and date words are worked out once,
// numeric dates are read in place, and other texts once each (within a
// bound).
class DateReader
{
public:
    DateReader(const QLocale &locale, QDate today);
    ~DateReader();

    // Raises RuntimeError::TypeMismatch when the text is no date.
    QDate read(QStringView text);
    // The same, giving an invalid date for a text that is no date.
    QDate dateOrInvalid(QStringView text);

private:
    struct Words;

    QDate numericDate(QStringView text) const;
    QDate namedDate(QStringView text);
    QDate dateOf(QStringView text);

    QLocale m_locale;
    QDate m_today;
    // Order of day, month and year in the locale's numeric dates.
    QString m_order;
    std::unique_ptr<const Words> m_words;
    QHash<QString, QDate> m_known;
};
