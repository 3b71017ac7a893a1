// SPDX-License-Identifier: MIT
#include "input/ReadNotesFile.h"

#include "input/AddNthWeekdayNote.h"
#include "input/AppendNote.h"
#include "input/ControlFileText.h"
#include "input/NotesFileContext.h"
#include "input/RegularFile.h"
#include "input/ShowPicFile.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "platform/TrimSpaces.h"
#include "surface/CalendarPage.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <map>
#include <tuple>
#include <optional>
#include <string_view>
#include <utility>

namespace {

constexpr int notesLines = 5;
// Far beyond any calendar's notes (100,000 lines take about 3 MB); a larger
// file is refused rather than read into memory.
constexpr qint64 maxControlFileBytes = 64 * 1024 * 1024;
constexpr int messageLine = 5;
constexpr qsizetype maxCachedDates = 4096;

// The parts of a text before and after its first space; nothing when the
// text holds no space.
struct Fields
{
    QStringView first;
    QStringView rest;
};

std::optional<Fields> splitAtSpace(QStringView text)
{
    const qsizetype space = text.indexOf(u' ');
    if (space < 0)
        return std::nullopt;
    return Fields{text.first(space), text.sliced(space + 1)};
}

enum class Tag { None, HDR, NOT, MSG, DAY, YER, MON, BIR, DTM, PIC };

// The tag spelt by the first three characters, in any case. Only ASCII
// letters spell a tag (no dotless i or long s standing in for I or S).
Tag tagOf(QStringView line)
{
    static constexpr std::pair<std::string_view, Tag> tags[] = {
        {"HDR", Tag::HDR}, {"NOT", Tag::NOT}, {"MSG", Tag::MSG}, {"DAY", Tag::DAY}, {"YER", Tag::YER},
        {"MON", Tag::MON}, {"BIR", Tag::BIR}, {"DTM", Tag::DTM}, {"PIC", Tag::PIC},
    };
    if (line.size() < 3)
        return Tag::None;
    char letters[3];
    for (int i = 0; i < 3; ++i) {
        const char16_t c = line[i].unicode();
        const char16_t upper = c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
        if (upper < u'A' || upper > u'Z')
            return Tag::None;
        letters[i] = char(upper);
    }
    for (const auto &[name, tag] : tags) {
        if (name == std::string_view(letters, 3))
            return tag;
    }
    return Tag::None;
}

// The age in the sign position format: a blank before a number that is not
// negative.
QString signedNumber(int value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

class NotesReader
{
public:
    NotesReader(CalendarPage &page, const NotesFileContext &context)
        : m_page(page)
        , m_context(context)
    {
    }

    void readLine(QStringView line)
    {
        const QStringView trimmed = trimSpaces(line);
        const Tag tag = tagOf(trimmed);
        if (tag == Tag::None)
            return;
        const qsizetype space = trimmed.indexOf(u' ');
        const QStringView value = space < 0 ? trimmed : trimSpaces(trimmed.sliced(space + 1));
        try {
            handle(tag, value);
        } catch (const RuntimeError &) {
            // A number or date the line cannot hold: the line is skipped.
        }
    }

private:
    void handle(Tag tag, QStringView value)
    {
        switch (tag) {
        case Tag::HDR:
            m_page.txtHeader = value.toString();
            break;
        case Tag::NOT:
            takeNotesLine(value);
            break;
        case Tag::MSG:
            m_page.txtMessage[messageLine] = value.toString();
            break;
        case Tag::DAY:
            takeDay(value);
            break;
        case Tag::YER:
            takeIfBetween(m_page.txtYear, value, 1900, 2500);
            break;
        case Tag::MON:
            takeMonth(value);
            break;
        case Tag::BIR:
            takeBirthday(value);
            break;
        case Tag::DTM:
            takeRuleDated(value);
            break;
        case Tag::PIC:
            takePicture(value);
            break;
        case Tag::None:
            break;
        }
    }

    void takeNotesLine(QStringView value)
    {
        if (m_notesTaken >= notesLines)
            return;
        m_page.txtMessage[m_notesTaken] = value.toString();
        ++m_notesTaken;
    }

    static void takeIfBetween(QString &field, QStringView value, double above, double below)
    {
        const double number = Val(value);
        if (number > above && number < below)
            field = value.toString();
    }

    // Only a month the print job will read as 1 to 12, rounding halves to
    // even as it does.
    void takeMonth(QStringView value)
    {
        const qint16 month = CInt(Val(value));
        if (month >= 1 && month <= 12)
            m_page.txtMonth = value.toString();
    }

    void takeDay(QStringView value)
    {
        const std::optional<Fields> fields = splitAtSpace(value);
        if (!fields)
            return;
        const double day = Val(fields->first);
        if (day < 32)
            appendNote(m_page.strNotes, CInt(day - 1), fields->rest.toString());
    }

    void takeBirthday(QStringView value)
    {
        const std::optional<Fields> fields = splitAtSpace(value);
        if (!fields)
            return;
        const QDate born = birthDate(fields->first);
        const int thisYear = m_context.today.year();
        if (born.year() <= 1850 || born.year() >= thisYear || born.day() >= 32)
            return;
        const QString note = trimSpaces(fields->rest).toString() + QStringLiteral(" is ") + signedNumber(thisYear - born.year());
        appendNote(m_page.strNotes, born.day() - 1, note);
    }

    void takeRuleDated(QStringView value)
    {
        const std::optional<Fields> first = splitAtSpace(value);
        if (!first)
            return;
        const std::optional<Fields> second = splitAtSpace(trimSpaces(first->rest));
        if (!second)
            return;
        const double occurrence = Val(first->first);
        const qint16 weekday = CInt(Val(second->first));
        if (occurrence >= 5 || weekday >= 8)
            return;
        const qint16 month = CInt(Val(m_page.txtMonth));
        const int day = ruleDatedDay(weekday, CInt(occurrence), month);
        appendNote(m_page.strNotes, day, trimSpaces(second->rest).toString());
    }

    // Reading a date is the costly part of a line: each text is read once
    // per file (within a bound, for files of all different dates).
    QDate birthDate(QStringView text)
    {
        const QString key = text.toString();
        if (const auto found = m_birthDates.constFind(key); found != m_birthDates.cend()) {
            if (!found->isValid())
                throw RuntimeError(RuntimeError::TypeMismatch);
            return *found;
        }
        if (m_birthDates.size() >= maxCachedDates)
            m_birthDates.clear();
        QDate date;
        try {
            date = DateValue(text, m_context.locale, m_context.today);
        } catch (const RuntimeError &) {
            m_birthDates.insert(key, QDate());
            throw;
        }
        m_birthDates.insert(key, date);
        return date;
    }

    // The day index a rule gives in the page's month, or -1: worked out once
    // per year text, month and rule, by letting the rule note a scratch table.
    int ruleDatedDay(qint16 weekday, qint16 occurrence, qint16 month)
    {
        if (m_ruleYear != m_page.txtYear) {
            m_ruleDays.clear();
            m_ruleYear = m_page.txtYear;
        }
        const auto key = std::tuple(month, weekday, occurrence);
        if (const auto found = m_ruleDays.find(key); found != m_ruleDays.end())
            return found->second;
        if (qsizetype(m_ruleDays.size()) >= maxCachedDates)
            m_ruleDays.clear();
        DayNotes scratch;
        AddNthWeekdayNote(scratch, m_page.txtYear, weekday, occurrence, month, QStringLiteral("."));
        const auto noted = std::find_if(scratch.begin(), scratch.end(), [](const QString &n) { return !n.isEmpty(); });
        const int day = noted == scratch.end() ? -1 : int(noted - scratch.begin());
        m_ruleDays.emplace(key, day);
        return day;
    }

    void takePicture(QStringView value)
    {
        ShowPicFile(value.toString(), m_page.picture, m_page.binSelPic, m_context.msgBox);
    }

    CalendarPage &m_page;
    const NotesFileContext &m_context;
    int m_notesTaken = 0;
    QHash<QString, QDate> m_birthDates;
    QString m_ruleYear;
    std::map<std::tuple<qint16, qint16, qint16>, int> m_ruleDays;
};

bool isTextFilePath(const QString &path)
{
    return path.size() > 1 && path.endsWith(u"txt");
}

void refuse(const NotesFileContext &context, const QString &request)
{
    if (context.msgBox)
        context.msgBox(tryAgainBox(request));
}

} // namespace

void readNotesData(QByteArrayView data, CalendarPage &page, const NotesFileContext &context)
{
    NotesReader reader(page, context);
    ControlFileText(data).forEachLine([&](const QString &line) { reader.readLine(line); });
}

void ReadNotesFile(const QString &strPickedFile, CalendarPage &page, const NotesFileContext &context)
{
    if (!isTextFilePath(strPickedFile)) {
        refuse(context, QStringLiteral("Select a .txt file."));
        return;
    }
    QFile file;
    if (!openRegularFile(file, strPickedFile) || file.size() > maxControlFileBytes) {
        refuse(context, QStringLiteral("The file cannot be read."));
        return;
    }
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        refuse(context, QStringLiteral("The file cannot be read."));
        return;
    }
    readNotesData(contents, page, context);
}
