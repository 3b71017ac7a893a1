// SPDX-License-Identifier: MIT
#include "input/VCardReader.h"

#include "input/CalendarFileError.h"
#include "input/ControlFileText.h"
#include "input/ICalendarParts.h"

#include <QDate>
#include <QStringDecoder>
#include <optional>

namespace {

// One content line: group.NAME;PARAM=VALUE;...:value, unfolded.
struct ContentLine
{
    QByteArray name;
    QList<QByteArray> params;
    QByteArray value;

    // The value of parameter key, or of a bare 2.1 parameter when key is
    // one of the words a bare parameter can stand for.
    QByteArray param(const QByteArray &key) const
    {
        for (const QByteArray &param : params) {
            const qsizetype equals = param.indexOf('=');
            if (equals >= 0 && param.first(equals).trimmed().toUpper() == key)
                return param.sliced(equals + 1).trimmed();
        }
        return QByteArray();
    }

    bool hasBareParam(const QByteArray &word) const
    {
        for (const QByteArray &param : params) {
            if (param.trimmed().toUpper() == word)
                return true;
        }
        return false;
    }

    bool isQuotedPrintable() const
    {
        return hasBareParam("QUOTED-PRINTABLE") || param("ENCODING").toUpper() == "QUOTED-PRINTABLE";
    }
};

QList<QByteArray> physicalLines(QByteArrayView data)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.append(data.sliced(start, i - start).toByteArray());
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.append(data.sliced(start).toByteArray());
    return lines;
}

// Splits at separator outside double quotes.
QList<QByteArray> splitOutsideQuotes(const QByteArray &text, char separator)
{
    QList<QByteArray> parts;
    QByteArray part;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted) {
            parts.append(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.append(part);
    return parts;
}

std::optional<ContentLine> parseLine(const QByteArray &line)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    QList<QByteArray> head = splitOutsideQuotes(line.first(colon), ';');
    QByteArray name = head.takeFirst().trimmed().toUpper();
    // Apple writes "item1.BDAY"; the group does not matter here.
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.sliced(dot + 1);
    return ContentLine{name, head, line.sliced(colon + 1)};
}

// A logical line being joined. Its head ends at the first colon outside
// quotes and stays as it is while lines are joined, so the colon is looked
// for only in what was added: joining stays linear in the line's length.
class JoinedLine
{
public:
    explicit JoinedLine(QByteArray text)
        : m_text(std::move(text))
    {
    }

    QByteArray &text() { return m_text; }

    bool isQuotedPrintable()
    {
        for (; !m_quotedPrintable && m_scanned < m_text.size(); ++m_scanned) {
            if (m_text[m_scanned] == '"')
                m_quoted = !m_quoted;
            else if (m_text[m_scanned] == ':' && !m_quoted)
                m_quotedPrintable = parseLine(m_text.first(m_scanned + 1))->isQuotedPrintable();
        }
        return m_quotedPrintable.value_or(false);
    }

private:
    QByteArray m_text;
    qsizetype m_scanned = 0;
    bool m_quoted = false;
    std::optional<bool> m_quotedPrintable;
};

// Logical lines: folded lines (a leading blank or tab) joined to the line
// before, and quoted-printable soft breaks ("=" at the end) to the line after.
QList<QByteArray> logicalLines(QByteArrayView data)
{
    QList<QByteArray> lines;
    std::optional<JoinedLine> joined;
    bool softBreak = false;
    for (const QByteArray &line : physicalLines(data)) {
        if (softBreak) {
            joined->text().chop(1);
            joined->text() += line;
        } else if (joined && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            joined->text() += line.sliced(1);
        } else {
            if (joined)
                lines.append(std::move(joined->text()));
            joined.emplace(line);
        }
        softBreak = joined->text().endsWith('=') && joined->isQuotedPrintable();
    }
    if (joined)
        lines.append(std::move(joined->text()));
    return lines;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && hexDigit(value[i + 1]) >= 0 && hexDigit(value[i + 2]) >= 0) {
            bytes += char(hexDigit(value[i + 1]) * 16 + hexDigit(value[i + 2]));
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

QString decodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray name = charset.toUpper();
    if (name == "ISO-8859-1" || name == "LATIN1")
        return QString::fromLatin1(bytes);
    if (name == "WINDOWS-1252" || name == "CP1252")
        return ControlFileText::fromWindows1252(bytes);
    return ControlFileText::isValidUtf8(bytes) ? QString::fromUtf8(bytes) : ControlFileText::fromWindows1252(bytes);
}

QString textValue(const ContentLine &line)
{
    const QByteArray bytes = line.isQuotedPrintable() ? decodeQuotedPrintable(line.value) : line.value;
    return decodeCharset(bytes, line.param("CHARSET"));
}

// Undoes the backslash escapes of 3.0 and 4.0 values; a line break becomes a
// blank, since a note is one line.
QString unescape(QStringView text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar next = text[++i];
        plain += next == u'n' || next == u'N' ? QChar(u' ') : next;
    }
    return plain;
}

// N is family;given;additional;prefixes;suffixes; the note uses "given
// additional family".
QString structuredName(QStringView value)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            part += value.sliced(i, 2);
            ++i;
        } else if (value[i] == u';') {
            parts.append(unescape(part));
            part.clear();
        } else {
            part += value[i];
        }
    }
    parts.append(unescape(part));
    parts.resize(3);
    QStringList words;
    for (const QString &word : {parts[1], parts[2], parts[0]}) {
        if (!word.trimmed().isEmpty())
            words.append(word.trimmed());
    }
    return words.join(u' ');
}

std::optional<int> number(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return digits.toInt();
}

// BDAY forms: 19800315, 1980-03-15 and 1980-3-5, --0315 and --03-15 without a
// year, each optionally followed by a time.
std::optional<Birthday> birthdayOf(QStringView value)
{
    QStringView date = value.trimmed();
    const qsizetype time = date.indexOf(u'T');
    if (time >= 0)
        date = date.first(time);
    std::optional<int> year = 0;
    std::optional<int> month;
    std::optional<int> day;
    if (date.startsWith(u"--")) {
        date = date.sliced(2);
        if (date.size() == 4) {
            month = number(date.first(2));
            day = number(date.sliced(2));
        } else if (date.size() == 5 && date[2] == u'-') {
            month = number(date.first(2));
            day = number(date.sliced(3));
        }
    } else if (date.size() == 8) {
        year = number(date.first(4));
        month = number(date.sliced(4, 2));
        day = number(date.sliced(6));
    } else {
        const QList<QStringView> parts = date.split(u'-');
        if (parts.size() == 3 && parts[0].size() == 4) {
            year = number(parts[0]);
            month = number(parts[1]);
            day = number(parts[2]);
        }
    }
    if (!year || !month || !day)
        return std::nullopt;
    // Checked in a leap year when there is no year, so 29 February stays.
    if (!QDate(*year == 0 ? 2000 : *year, *month, *day).isValid())
        return std::nullopt;
    return Birthday{QString(), *year, *month, *day};
}

// The cards of one address book, as their lines come.
class CardCollector
{
public:
    void take(const ContentLine &line)
    {
        const QString value = textValue(line);
        if (line.name == "BEGIN" && value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0) {
            if (m_inCard)
                throw CalendarFileError(Refusal::Reason::CardInsideCard);
            m_inCard = true;
            m_tooLong = false;
            m_fullName.clear();
            m_name.clear();
            m_birthday.reset();
        } else if (line.name == "END" && value.trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0) {
            if (!m_inCard)
                throw CalendarFileError(Refusal::Reason::CardNeverBegun);
            m_inCard = false;
            finishCard();
        } else if (m_inCard) {
            takeProperty(line, value);
        }
    }

    // A line of the card, or outside any card, too long to be read.
    void takeTooLong()
    {
        if (m_inCard)
            m_tooLong = true;
        else
            m_contents.leaveOut(tooLong());
    }

    CalendarContents result()
    {
        if (m_inCard)
            throw CalendarFileError(Refusal::Reason::CardNeverEnded);
        return std::move(m_contents);
    }

private:
    void takeProperty(const ContentLine &line, const QString &value)
    {
        if (line.name == "FN") {
            m_fullName = unescape(value).trimmed();
        } else if (line.name == "N") {
            m_name = structuredName(value);
        } else if (line.name == "BDAY" && line.param("VALUE").toUpper() != "TEXT") {
            m_birthday = birthdayOf(value);
            // Apple marks a birthday without a year by a stand-in year.
            const QByteArray omitted = line.param("X-APPLE-OMIT-YEAR");
            if (m_birthday && !omitted.isEmpty() && omitted.toInt() == m_birthday->year)
                m_birthday->year = 0;
        }
    }

    static Refusal tooLong() { return {Refusal::Subject::Calendar, Refusal::Reason::LineTooLong, QString(), QString()}; }

    void finishCard()
    {
        if (m_tooLong) {
            m_contents.leaveOut(tooLong());
            return;
        }
        const QString name = m_fullName.isEmpty() ? m_name : m_fullName;
        if (!m_birthday || name.isEmpty())
            return;
        m_birthday->name = name;
        m_contents.birthdays.push_back(*m_birthday);
    }

    bool m_inCard = false;
    bool m_tooLong = false;
    QString m_fullName;
    QString m_name;
    std::optional<Birthday> m_birthday;
    CalendarContents m_contents;
};

// The lines a card is read from; any other may be long, as photos are.
bool isReadLine(const ContentLine &line)
{
    for (const char *name : {"BEGIN", "END", "FN", "N", "BDAY"}) {
        if (line.name == name)
            return true;
    }
    return false;
}

} // namespace

CalendarContents VCardReader::read(QByteArrayView data)
{
    CardCollector cards;
    for (const QByteArray &line : logicalLines(data)) {
        // Lines without a colon are the base64 runs of 2.1 photos.
        const std::optional<ContentLine> parsed = parseLine(line);
        if (parsed && line.size() > maxCalendarLineBytes && isReadLine(*parsed))
            cards.takeTooLong();
        else if (parsed)
            cards.take(*parsed);
    }
    return cards.result();
}
