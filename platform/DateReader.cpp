// SPDX-License-Identifier: MIT
#include "platform/DateReader.h"

#include "platform/RuntimeError.h"

#include <QList>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace {


// No date is written with more characters; longer texts are not searched.
constexpr qsizetype LongestDateText = 256;

// Text as it is compared: composed, case folded, decimal digits of every
// script as ASCII digits, format characters (direction marks, joiners)
// dropped and every run of white space one blank.
// The same for a text of ASCII only, which composing and case folding
// change only by lowering its capitals.
QString foldedAscii(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || (u >= u'\t' && u <= u'\r')) {
            if (!result.endsWith(u' '))
                result += u' ';
        } else {
            result += u >= u'A' && u <= u'Z' ? QChar(u - u'A' + u'a') : c;
        }
    }
    return result;
}

QString folded(QStringView text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return foldedAscii(text);
    const QString composed = text.toString().normalized(QString::NormalizationForm_C).toCaseFolded();
    QString result;
    result.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        char32_t c = composed[i].unicode();
        // Digits of some scripts (Chakma, Adlam) lie beyond the first plane.
        if (QChar::isHighSurrogate(c) && i + 1 < composed.size() && composed[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(composed[i], composed[i + 1]);
            ++i;
        }
        if (QChar::category(c) == QChar::Other_Format)
            continue;
        if (QChar::isSpace(c)) {
            if (!result.endsWith(u' '))
                result += u' ';
        } else if (QChar::category(c) == QChar::Number_DecimalDigit) {
            result += QChar(u'0' + QChar::digitValue(c));
        } else {
            result += QStringView(QChar::fromUcs4(c));
        }
    }
    return result;
}

// Which characters a text holds, as bits of their codes modulo 64: a word
// with a character its text lacks is not in it, and is not searched for.
quint64 charactersOf(QStringView text)
{
    quint64 bits = 0;
    for (const QChar c : text)
        bits |= quint64(1) << (c.unicode() % 64);
    return bits;
}

bool mayHold(quint64 text, quint64 word)
{
    return (word & ~text) == 0;
}

struct MonthWord
{
    QString name;
    int month = 0;
    quint64 characters = 0;
};

bool holdsLetter(const QString &text)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.cbegin(), codePoints.cend(), [](uint c) { return QChar::isLetter(c); });
}

// Every name of every month, the locale's before English ones, longest first.
QList<MonthWord> monthWords(const QLocale &locale)
{
    QList<MonthWord> words;
    auto add = [&](const QString &name, int month) {
        const QString word = folded(name).trimmed();
        if (!holdsLetter(word))
            return;
        words.append({word, month, charactersOf(word)});
        // "Sep." is also written "Sep".
        if (word.endsWith(u'.'))
            words.append({word.chopped(1), month, charactersOf(word.chopped(1))});
    };
    for (const QLocale &names : {locale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (int month = 1; month <= 12; ++month) {
            for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                add(names.monthName(month, format), month);
                add(names.standaloneMonthName(month, format), month);
            }
        }
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const MonthWord &a, const MonthWord &b) { return a.name.size() > b.name.size(); });
    return words;
}

// 1 for digits, 2 for letters and marks, 0 for anything else.
int kindOf(QChar c)
{
    if (c.isDigit())
        return 1;
    return c.isLetter() || c.isMark() ? 2 : 0;
}

// Whether b would run on the word that a ends, or a on the one b starts.
bool joins(QChar a, QChar b)
{
    return kindOf(a) != 0 && kindOf(a) == kindOf(b);
}

struct NameMatch
{
    qsizetype at = -1;
    qsizetype length = 0;
    int month = 0;
};

// The longest month name that stands as a word of its own in text.
std::optional<NameMatch> findMonthName(const QString &text, const QList<MonthWord> &words)
{
    const quint64 characters = charactersOf(text);
    for (const MonthWord &word : words) {
        if (!mayHold(characters, word.characters))
            continue;
        for (qsizetype at = text.indexOf(word.name); at >= 0; at = text.indexOf(word.name, at + 1)) {
            const qsizetype end = at + word.name.size();
            const bool startsWord = at == 0 || !joins(text[at - 1], word.name.front());
            const bool endsWord = end == text.size() || !joins(word.name.back(), text[end]);
            if (startsWord && endsWord)
                return NameMatch{at, word.name.size(), word.month};
        }
    }
    return std::nullopt;
}

// Stands where a month name was taken out of a text: a format character,
// which no folded text holds.
constexpr QChar NameMark = u'\uFEFF';

bool isSeparator(QChar c)
{
    return c == NameMark || c == u' ' || c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u'\u060C' || c == u'\u3001';
}

// The words a locale writes between the fields of its dates ("de", "г",
// "年"), folded.
QStringList dateWords(const QLocale &locale)
{
    QString literals;
    for (const QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QString pattern = locale.dateFormat(format);
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == u'\'') {
                for (++i; i < pattern.size() && pattern[i] != u'\''; ++i)
                    literals += pattern[i];
                continue;
            }
            // ASCII letters are the fields themselves.
            literals += pattern[i].isLetter() && pattern[i].unicode() < 128 ? QChar(u' ') : pattern[i];
        }
        literals += u' ';
    }
    QStringList words;
    QString word;
    for (const QChar c : folded(literals) + u' ') {
        if (!isSeparator(c)) {
            word += c;
        } else if (!word.isEmpty()) {
            if (holdsLetter(word) && !words.contains(word))
                words.append(word);
            word.clear();
        }
    }
    return words;
}

// Blanks out every whole-word occurrence of word in text.
void removeWord(QString &text, const QString &word)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        const qsizetype end = at + word.size();
        if ((at == 0 || !joins(text[at - 1], word.front())) && (end == text.size() || !joins(word.back(), text[end])))
            text.replace(at, word.size(), QString(word.size(), u' '));
    }
}

// The runs of digits of a text that holds nothing else but separators;
// nothing when it holds anything else or a sign.
std::optional<QStringList> numbersOf(QStringView text)
{
    QStringList numbers;
    QString current;
    QChar previous;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            current += c;
            previous = c;
            continue;
        }
        if (!isSeparator(c))
            return std::nullopt;
        // A minus that does not join two fields is a sign: no negative years.
        const bool joinsFields = previous.isDigit() || previous == NameMark;
        if (c == u'-' && !joinsFields && i + 1 < text.size() && text[i + 1].isDigit())
            return std::nullopt;
        if (!current.isEmpty())
            numbers.append(std::exchange(current, QString()));
        previous = c;
    }
    if (!current.isEmpty())
        numbers.append(current);
    return numbers;
}

int yearFrom(const QString &number)
{
    const int value = number.toInt();
    if (number.size() <= 2)
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

QDate fromNumbers(const QStringList &numbers, const QLocale &locale, QDate today)
{
    if (numbers.size() == 3 && numbers[0].size() >= 3)
        return makeDate(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt());
    QString order = numericOrder(locale);
    if (numbers.size() == 2)
        order.remove(u'y');
    int day = 0, month = 0, year = today.year();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (order[i] == u'd')
            day = numbers[i].toInt();
        else if (order[i] == u'm')
            month = numbers[i].toInt();
        else
            year = yearFrom(numbers[i]);
    }
    return makeDate(year, month, day);
}

QDate fromNamedMonth(const QStringList &numbers, int month, QDate today)
{
    if (numbers.size() == 1) {
        if (numbers[0].size() > 2)
            return makeDate(numbers[0].toInt(), month, 1);
        return makeDate(today.year(), month, numbers[0].toInt());
    }
    // "March 1, 2004", "1 March 2004" and "2004 March 1".
    const bool yearFirst = numbers[0].size() > 2;
    const QString &day = yearFirst ? numbers[1] : numbers[0];
    const QString &year = yearFirst ? numbers[0] : numbers[1];
    return makeDate(yearFrom(year), month, day.toInt());
}

// Texts read once per reader, within a bound for readers of many dates.
constexpr qsizetype maxKnownDates = 4096;

// Only digits and the separators of numeric dates: no month name or date
// word can stand in such a text (each holds a letter), and folding it would
// change nothing that counts.
bool isNumericText(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u' ' || c == u'/' || c == u'-' || c == u'.' || c == u',';
    });
}

// A run of digits: its length, and its value as reading its text gives it
// (0 beyond the integer range).
struct DigitRun
{
    qsizetype length = 0;
    qint64 value = 0;

    int number() const { return value > std::numeric_limits<int>::max() ? 0 : int(value); }
    int year() const
    {
        if (length <= 2)
            return value < 30 ? 2000 + int(value) : 1900 + int(value);
        return number();
    }
};

} // namespace

struct DateReader::Words
{
    QList<MonthWord> months;
    QStringList dates;
};

DateReader::DateReader(const QLocale &locale, QDate today)
    : m_locale(locale)
    , m_today(today)
    , m_order(numericOrder(locale))
{
}

DateReader::~DateReader() = default;

QDate DateReader::read(QStringView text)
{
    const QDate date = dateOrInvalid(text);
    if (!date.isValid())
        throw RuntimeError(RuntimeError::TypeMismatch);
    return date;
}

QDate DateReader::dateOrInvalid(QStringView text)
{
    if (text.size() > LongestDateText)
        return {};
    return isNumericText(text) ? numericDate(text) : namedDate(text);
}

// The numbers of a numeric date read in place, by the rules numbersOf and
// fromNumbers apply to any text.
QDate DateReader::numericDate(QStringView text) const
{
    std::array<DigitRun, 3> runs;
    qsizetype count = 0;
    bool inRun = false;
    QChar previous;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            if (!inRun && ++count > qsizetype(runs.size()))
                return {};
            inRun = true;
            DigitRun &run = runs[count - 1];
            ++run.length;
            run.value = std::min<qint64>(run.value * 10 + (c.unicode() - u'0'), qint64(1) << 40);
        } else {
            if (c == u'-' && !previous.isDigit() && i + 1 < text.size() && text[i + 1].isDigit())
                return {};
            inRun = false;
        }
        previous = c;
    }
    if (count < 2)
        return {};
    if (count == 3 && runs[0].length >= 3)
        return makeDate(runs[0].number(), runs[1].number(), runs[2].number());
    const QString order = count == 2 ? QString(m_order).remove(u'y') : m_order;
    int day = 0, month = 0, year = m_today.year();
    for (qsizetype i = 0; i < count; ++i) {
        if (order[i] == u'd')
            day = runs[i].number();
        else if (order[i] == u'm')
            month = runs[i].number();
        else
            year = runs[i].year();
    }
    return makeDate(year, month, day);
}

QDate DateReader::namedDate(QStringView text)
{
    const QString key = text.toString();
    if (const auto found = m_known.constFind(key); found != m_known.cend())
        return *found;
    if (m_known.size() >= maxKnownDates)
        m_known.clear();
    const QDate date = dateOf(text);
    m_known.insert(key, date);
    return date;
}

QDate DateReader::dateOf(QStringView text)
{
    if (!m_words)
        m_words = std::make_unique<const Words>(Words{monthWords(m_locale), dateWords(m_locale)});
    QString rest = folded(text);
    const std::optional<NameMatch> name = findMonthName(rest, m_words->months);
    if (name)
        rest.replace(name->at, name->length, NameMark);
    // Blanking out words adds only blanks.
    const quint64 characters = charactersOf(rest) | charactersOf(u" ");
    for (const QString &word : m_words->dates) {
        if (mayHold(characters, charactersOf(word)))
            removeWord(rest, word);
    }
    const std::optional<QStringList> numbers = numbersOf(rest);
    if (!numbers || numbers->size() < (name ? 1 : 2) || numbers->size() > (name ? 2 : 3))
        return {};
    return name ? fromNamedMonth(*numbers, name->month, m_today) : fromNumbers(*numbers, m_locale, m_today);
}
