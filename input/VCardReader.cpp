// SPDX-License-Identifier: MIT
#include "input/VCardReader.h"

#include "input/CalendarFileError.h"
#include "input/ControlFileText.h"
#include "input/ICalendarParts.h"

#include <QDate>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The properties a card is read from; any other line may be long, as photos
// are, and is passed over.
enum class Property { Begin, End, FullName, Name, Birthday, Other };

Property propertyOf(QByteArrayView name)
{
    const std::pair<QByteArrayView, Property> properties[] = {{"BEGIN", Property::Begin},
                                                              {"END", Property::End},
                                                              {"FN", Property::FullName},
                                                              {"N", Property::Name},
                                                              {"BDAY", Property::Birthday}};
    for (const auto &[word, property] : properties) {
        if (name.size() == word.size() && name.compare(word, Qt::CaseInsensitive) == 0)
            return property;
    }
    return Property::Other;
}

// Where separator first comes outside double quotes in text, or -1.
qsizetype indexOutsideQuotes(QByteArrayView text, char separator)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted)
            return i;
    }
    return -1;
}

// The part of rest up to the first semicolon outside quotes; rest keeps what
// follows that semicolon.
QByteArrayView takePart(QByteArrayView &rest)
{
    const qsizetype end = indexOutsideQuotes(rest, ';');
    const QByteArrayView part = end < 0 ? rest : rest.first(end);
    rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    return part;
}

// One content line: group.NAME;PARAM=VALUE;...:value, unfolded; views of its
// bytes, so only what a card keeps is copied.
struct ContentLine
{
    Property property = Property::Other;
    // The parameters, as written after the name.
    QByteArrayView params;
    QByteArrayView value;

    // The value of parameter key, or of a bare 2.1 parameter when key is
    // one of the words a bare parameter can stand for.
    QByteArrayView param(QByteArrayView key) const
    {
        for (QByteArrayView rest = params; !rest.isEmpty();) {
            const QByteArrayView param = takePart(rest);
            const qsizetype equals = param.indexOf('=');
            if (equals >= 0 && param.first(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
                return param.sliced(equals + 1).trimmed();
        }
        return QByteArrayView();
    }

    bool hasBareParam(QByteArrayView word) const
    {
        for (QByteArrayView rest = params; !rest.isEmpty();) {
            if (takePart(rest).trimmed().compare(word, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }

    bool isQuotedPrintable() const
    {
        return hasBareParam("QUOTED-PRINTABLE")
            || param("ENCODING").compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
    }
};

// The lines of data as they end in CR, LF or CR LF, without their ends.
class PhysicalLines
{
public:
    explicit PhysicalLines(QByteArrayView data)
        : m_data(data)
    {
    }

    std::optional<QByteArrayView> next()
    {
        if (m_start >= m_data.size())
            return std::nullopt;
        const char *const begin = m_data.data() + m_start;
        const char *const end = m_data.data() + m_data.size();
        const char *const lineEnd = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        m_start += lineEnd - begin + 1;
        if (lineEnd != end && *lineEnd == '\r' && lineEnd + 1 != end && lineEnd[1] == '\n')
            ++m_start;
        return QByteArrayView(begin, lineEnd);
    }

private:
    QByteArrayView m_data;
    qsizetype m_start = 0;
};

std::optional<ContentLine> parseLine(QByteArrayView line)
{
    const qsizetype colon = indexOutsideQuotes(line, ':');
    if (colon < 0)
        return std::nullopt;
    QByteArrayView params = line.first(colon);
    QByteArrayView name = takePart(params).trimmed();
    // Apple writes "item1.BDAY"; the group does not matter here.
    name = name.sliced(name.lastIndexOf('.') + 1);
    return ContentLine{propertyOf(name), params, line.sliced(colon + 1)};
}

// A logical line being joined. It stays a view of the data until a line is
// joined to it, and is then copied into a buffer the next line reuses. Its
// head ends at the first colon outside quotes and stays as it is while lines
// are joined, so the colon is looked for only in what was added: joining
// stays linear in the line's length.
class JoinedLine
{
public:
    void start(QByteArrayView line)
    {
        m_text = line;
        m_inBuffer = false;
        m_scanned = 0;
        m_quoted = false;
        m_quotedPrintable.reset();
    }

    QByteArrayView text() const { return m_text; }

    void append(QByteArrayView line)
    {
        if (line.isEmpty())
            return;
        if (!m_inBuffer) {
            // Shrinking keeps the room of the last joined line.
            m_buffer.resize(0);
            m_buffer.append(m_text);
            m_inBuffer = true;
        }
        m_buffer.append(line);
        m_text = m_buffer;
    }

    void chopLast()
    {
        if (m_inBuffer) {
            m_buffer.chop(1);
            m_text = m_buffer;
        } else {
            m_text.chop(1);
        }
    }

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
    QByteArrayView m_text;
    QByteArray m_buffer;
    bool m_inBuffer = false;
    qsizetype m_scanned = 0;
    bool m_quoted = false;
    std::optional<bool> m_quotedPrintable;
};

// Logical lines: folded lines (a leading blank or tab) joined to the line
// before, and quoted-printable soft breaks ("=" at the end) to the line after.
class LogicalLines
{
public:
    explicit LogicalLines(QByteArrayView data)
        : m_physical(data)
        , m_following(m_physical.next())
    {
    }

    // The next line, valid until the one after it is asked for.
    std::optional<QByteArrayView> next()
    {
        if (!m_following)
            return std::nullopt;
        m_line.start(*m_following);
        for (m_following = m_physical.next(); m_following; m_following = m_physical.next()) {
            if (m_line.text().endsWith('=') && m_line.isQuotedPrintable()) {
                m_line.chopLast();
                m_line.append(*m_following);
            } else if (m_following->startsWith(' ') || m_following->startsWith('\t')) {
                m_line.append(m_following->sliced(1));
            } else {
                break;
            }
        }
        return m_line.text();
    }

private:
    PhysicalLines m_physical;
    std::optional<QByteArrayView> m_following;
    JoinedLine m_line;
};

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

QByteArray decodeQuotedPrintable(QByteArrayView value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
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

QString decodeCharset(QByteArrayView bytes, QByteArrayView charset)
{
    const auto named = [&](QByteArrayView name) { return charset.compare(name, Qt::CaseInsensitive) == 0; };
    if (named("ISO-8859-1") || named("LATIN1"))
        return QString::fromLatin1(bytes);
    if (named("WINDOWS-1252") || named("CP1252"))
        return ControlFileText::fromWindows1252(bytes);
    return ControlFileText::isValidUtf8(bytes) ? QString::fromUtf8(bytes) : ControlFileText::fromWindows1252(bytes);
}

QString textValue(const ContentLine &line)
{
    if (line.isQuotedPrintable())
        return decodeCharset(decodeQuotedPrintable(line.value), line.param("CHARSET"));
    return decodeCharset(line.value, line.param("CHARSET"));
}

// Whether a BEGIN or END line names a card. Nearly all say "VCARD" in ASCII,
// which reads the same in every charset, so only other values are decoded.
bool namesCard(const ContentLine &line)
{
    const bool ascii = std::all_of(line.value.begin(), line.value.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii && !line.isQuotedPrintable())
        return line.value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
    return textValue(line).trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
}

// Undoes the backslash escapes of 3.0 and 4.0 values; a line break becomes a
// blank, since a note is one line.
QString unescape(const QString &text)
{
    // Most values have no escapes; they are kept, shared, not copied.
    if (!text.contains(u'\\'))
        return text;
    QString plain;
    plain.reserve(text.size());
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
        if (line.property == Property::Begin && namesCard(line)) {
            if (m_inCard)
                throw CalendarFileError(Refusal::Reason::CardInsideCard);
            m_inCard = true;
            m_tooLong = false;
            m_fullName.clear();
            m_name.clear();
            m_birthday.reset();
        } else if (line.property == Property::End && namesCard(line)) {
            if (!m_inCard)
                throw CalendarFileError(Refusal::Reason::CardNeverBegun);
            m_inCard = false;
            finishCard();
        } else if (m_inCard) {
            takeProperty(line);
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
    void takeProperty(const ContentLine &line)
    {
        if (line.property == Property::FullName) {
            m_fullName = unescape(textValue(line)).trimmed();
        } else if (line.property == Property::Name) {
            m_name = textValue(line);
        } else if (line.property == Property::Birthday
                   && line.param("VALUE").compare("TEXT", Qt::CaseInsensitive) != 0) {
            m_birthday = birthdayOf(textValue(line));
            // Apple marks a birthday without a year by a stand-in year.
            const QByteArrayView omitted = line.param("X-APPLE-OMIT-YEAR");
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
        if (!m_birthday)
            return;
        const QString name = m_fullName.isEmpty() ? structuredName(m_name) : m_fullName;
        if (name.isEmpty())
            return;
        m_birthday->name = name;
        m_contents.birthdays.push_back(std::move(*m_birthday));
    }

    bool m_inCard = false;
    bool m_tooLong = false;
    QString m_fullName;
    // The value of N, made a name only when the card has no FN.
    QString m_name;
    std::optional<Birthday> m_birthday;
    CalendarContents m_contents;
};

} // namespace

CalendarContents VCardReader::read(QByteArrayView data)
{
    CardCollector cards;
    LogicalLines lines(data);
    while (const std::optional<QByteArrayView> line = lines.next()) {
        // Lines without a colon are the base64 runs of 2.1 photos.
        const std::optional<ContentLine> parsed = parseLine(*line);
        if (!parsed || parsed->property == Property::Other)
            continue;
        if (line->size() > maxCalendarLineBytes)
            cards.takeTooLong();
        else
            cards.take(*parsed);
    }
    return cards.result();
}
