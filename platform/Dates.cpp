#include "platform/Dates.h"

#include "platform/RuntimeError.h"

#include <QList>
#include <optional>

namespace {

struct Token
{
    QString text;
    bool numeric = false;
};

QList<Token> tokenize(QStringView text)
{
    QList<Token> tokens;
    QString current;
    QChar previous;
    auto flush = [&] {
        if (current.isEmpty())
            return;
        bool numeric = true;
        for (QChar c : current)
            numeric = numeric && c.isDigit() && c.unicode() < 128;
        tokens.append({current, numeric});
        current.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isLetterOrNumber()) {
            if (!current.isEmpty() && current.back().isDigit() != c.isDigit())
                flush();
            current += c;
        } else {
            flush();
            if (!(c.isSpace() || c == u'/' || c == u'-' || c == u'.' || c == u','))
                return {};
            // A minus that does not join two fields is a sign: no negative years.
            if (c == u'-' && !previous.isLetterOrNumber() && i + 1 < text.size() && text[i + 1].isDigit())
                return {};
        }
        previous = c;
    }
    flush();
    return tokens;
}

std::optional<int> monthFromName(const QString &word, const QLocale &locale)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale &names : {locale, english}) {
        for (int month = 1; month <= 12; ++month) {
            for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                if (word.compare(names.monthName(month, format), Qt::CaseInsensitive) == 0
                    || word.compare(names.standaloneMonthName(month, format), Qt::CaseInsensitive) == 0)
                    return month;
            }
        }
    }
    return std::nullopt;
}

int yearFrom(const Token &token)
{
    const int value = token.text.toInt();
    if (token.text.size() <= 2)
        return value < 30 ? 2000 + value : 1900 + value;
    return value;
}

// Order of day, month and year in the locale's short numeric date format.
QString numericOrder(const QLocale &locale)
{
    QString order;
    for (QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        const QChar field = c == u'd' ? u'd' : c == u'M' ? u'm' : c == u'y' ? u'y' : QChar();
        if (!field.isNull() && !order.contains(field))
            order += field;
    }
    return order.size() == 3 ? order : QStringLiteral("mdy");
}

QDate makeDate(int year, int month, int day)
{
    if (year < 100 || year > 9999)
        return {};
    return QDate(year, month, day);
}

QDate fromNumbers(const QList<Token> &tokens, const QLocale &locale, QDate today)
{
    if (tokens.size() == 3 && tokens[0].text.size() >= 3)
        return makeDate(tokens[0].text.toInt(), tokens[1].text.toInt(), tokens[2].text.toInt());
    QString order = numericOrder(locale);
    if (tokens.size() == 2)
        order.remove(u'y');
    int day = 0, month = 0, year = today.year();
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (order[i] == u'd')
            day = tokens[i].text.toInt();
        else if (order[i] == u'm')
            month = tokens[i].text.toInt();
        else
            year = yearFrom(tokens[i]);
    }
    return makeDate(year, month, day);
}

QDate fromNamedMonth(const QList<Token> &tokens, int month, qsizetype nameAt, QDate today)
{
    QList<Token> numbers = tokens;
    numbers.removeAt(nameAt);
    for (const Token &token : numbers) {
        if (!token.numeric)
            return {};
    }
    if (numbers.size() == 1) {
        if (numbers[0].text.size() > 2)
            return makeDate(numbers[0].text.toInt(), month, 1);
        return makeDate(today.year(), month, numbers[0].text.toInt());
    }
    // "March 1, 2004", "1 March 2004" and "2004 March 1".
    const bool yearFirst = numbers[0].text.size() > 2;
    const Token &dayToken = yearFirst ? numbers[1] : numbers[0];
    const Token &yearToken = yearFirst ? numbers[0] : numbers[1];
    return makeDate(yearFrom(yearToken), month, dayToken.text.toInt());
}

} // namespace

QString MonthName(int month, const QLocale &locale)
{
    if (month < 1 || month > 12)
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    return locale.standaloneMonthName(month, QLocale::LongFormat);
}

int daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

int Weekday(QDate date)
{
    return date.dayOfWeek() % 7 + 1;
}

QDate DateValue(QStringView text, const QLocale &locale, QDate today)
{
    const QList<Token> tokens = tokenize(text);
    QDate date;
    if (tokens.size() == 2 || tokens.size() == 3) {
        qsizetype nameAt = -1;
        int month = 0;
        for (qsizetype i = 0; i < tokens.size(); ++i) {
            if (tokens[i].numeric)
                continue;
            const std::optional<int> named = monthFromName(tokens[i].text, locale);
            if (!named || nameAt >= 0)
                throw RuntimeError(RuntimeError::TypeMismatch);
            nameAt = i;
            month = *named;
        }
        date = nameAt >= 0 ? fromNamedMonth(tokens, month, nameAt, today) : fromNumbers(tokens, locale, today);
    }
    if (!date.isValid())
        throw RuntimeError(RuntimeError::TypeMismatch);
    return date;
}
