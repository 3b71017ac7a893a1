// SPDX-License-Identifier: MIT
#include "input/ReadNotesFile.h"

#include "input/AddNthWeekdayNote.h"
#include "input/AppendNote.h"
#include "input/ControlFileText.h"
#include "input/NotesFileContext.h"
#include "input/RegularFile.h"
#include "input/ShowPicFile.h"
#include "page/CalendarPage.h"
#include "platform/DateReader.h"
#include "platform/Dates.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "platform/TrimSpaces.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <tuple>
#include <string_view>
#include <utility>

namespace {

// Far beyond any calendar's notes (100,000 lines take about 3 MB); a larger
// file is refused rather than read into memory.
constexpr qint64 maxControlFileBytes = 64 * 1024 * 1024;
constexpr qsizetype maxCachedRules = 4096;

// The parts of a text before and after its first space; nothing when the
// text holds no space.
struct Fields
{
    QByteArrayView first;
    QByteArrayView rest;
};

std::optional<Fields> splitAtSpace(QByteArrayView text)
{
    const qsizetype space = text.indexOf(' ');
    if (space < 0)
        return std::nullopt;
    return Fields{text.first(space), text.sliced(space + 1)};
}

double numberOf(QByteArrayView text)
{
    return Val(QLatin1StringView(text));
}

enum class Tag { None, HDR, NOT, MSG, DAY, YER, MON, BIR, DTM, PIC };

// The tag spelt by the first three characters, in any case. Only ASCII
// letters spell a tag (no dotless i or long s standing in for I or S).
Tag tagOf(QByteArrayView line)
{
    static constexpr std::pair<std::string_view, Tag> tags[] = {
        {"HDR", Tag::HDR}, {"NOT", Tag::NOT}, {"MSG", Tag::MSG}, {"DAY", Tag::DAY}, {"YER", Tag::YER},
        {"MON", Tag::MON}, {"BIR", Tag::BIR}, {"DTM", Tag::DTM}, {"PIC", Tag::PIC},
    };
    if (line.size() < 3)
        return Tag::None;
    char letters[3];
    for (int i = 0; i < 3; ++i) {
        const char c = line[i];
        const char upper = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z')
            return Tag::None;
        letters[i] = upper;
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
    NotesReader(const ControlFileText &text, CalendarPage &page, const NotesFileContext &context)
        : m_text(text)
        , m_page(page)
        , m_dates(context.locale, context.today)
    {
    }

    void readLine(QByteArrayView line)
    {
        const QByteArrayView trimmed = trimSpaces(line);
        const Tag tag = tagOf(trimmed);
        if (tag == Tag::None)
            return;
        const qsizetype space = trimmed.indexOf(' ');
        const QByteArrayView value = space < 0 ? trimmed : trimSpaces(trimmed.sliced(space + 1));
        try {
            handle(tag, value);
        } catch (const RuntimeError &) {
            // A number or date the line cannot hold: the line is skipped.
        }
    }

    // What the picture lines refused, in file order.
    std::vector<Refusal> takeRefusals() { return std::move(m_refusals); }

private:
    void handle(Tag tag, QByteArrayView value)
    {
        switch (tag) {
        case Tag::HDR:
            m_page.txtHeader = m_text.decode(value);
            break;
        case Tag::NOT:
            takeNotesLine(value);
            break;
        case Tag::MSG:
            m_page.txtMessage[CalendarPage::MessageLine] = m_text.decode(value);
            break;
        case Tag::DAY:
            takeDay(value);
            break;
        case Tag::YER:
            takeYear(value);
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

    void takeNotesLine(QByteArrayView value)
    {
        if (m_notesTaken >= CalendarPage::LineCount)
            return;
        m_page.txtMessage[m_notesTaken] = m_text.decode(value);
        ++m_notesTaken;
    }

    void takeYear(QByteArrayView value)
    {
        const double year = numberOf(value);
        if (year > 1900 && year < 2500)
            m_page.txtYear = m_text.decode(value);
    }

    // Only a month the print job will read as 1 to 12, rounding halves to
    // even as it does.
    void takeMonth(QByteArrayView value)
    {
        const std::optional<qint16> month = roundedInt16(numberOf(value));
        if (month && *month >= 1 && *month <= 12)
            m_page.txtMonth = m_text.decode(value);
    }

    void takeDay(QByteArrayView value)
    {
        const std::optional<Fields> fields = splitAtSpace(value);
        if (!fields)
            return;
        const double day = numberOf(fields->first);
        if (day >= 32)
            return;
        if (const std::optional<qint16> index = roundedInt16(day - 1))
            addNote(*index, [&] { return m_text.decode(fields->rest); });
    }

    void takeBirthday(QByteArrayView value)
    {
        const std::optional<Fields> fields = splitAtSpace(value);
        if (!fields)
            return;
        m_text.decodeInto(m_dateText, fields->first);
        int year = 0;
        int day = 0;
        m_dates.dateOrInvalid(m_dateText).getDate(&year, nullptr, &day);
        const int pageYear = yearOfPage();
        if (year <= 1850 || year >= pageYear || day >= 32)
            return;
        addNote(day - 1, [&] {
            return m_text.decode(trimSpaces(fields->rest)) + QStringLiteral(" is ") + signedNumber(pageYear - year);
        });
    }

    // The age is the one reached in the year the page shows when the line is
    // read, read as the print job reads it; a year it cannot print raises.
    int yearOfPage() const { return firstDayOfMonth(CInt(Val(m_page.txtYear.trimmed())), 1).year(); }

    void takeRuleDated(QByteArrayView value)
    {
        const std::optional<Fields> first = splitAtSpace(value);
        if (!first)
            return;
        const std::optional<Fields> second = splitAtSpace(trimSpaces(first->rest));
        if (!second)
            return;
        const double occurrence = numberOf(first->first);
        const std::optional<qint16> weekday = roundedInt16(numberOf(second->first));
        if (!weekday || occurrence >= 5 || *weekday >= 8)
            return;
        const std::optional<qint16> month = roundedInt16(Val(m_page.txtMonth));
        const std::optional<qint16> rounded = roundedInt16(occurrence);
        if (!month || !rounded)
            return;
        const int day = ruleDatedDay(*weekday, *rounded, *month);
        addNote(day, [&] { return m_text.decode(trimSpaces(second->rest)); });
    }

    // The note is made only for a day that can still print it. A day found
    // full stays full for the rest of the read; one that took a note is
    // looked at again.
    template <typename MakeNote>
    void addNote(int index, MakeNote makeNote)
    {
        if (index < 0 || index >= int(m_full.size()))
            return;
        std::optional<bool> &full = m_full[index];
        if (!full)
            full = isFullEntry(m_page.strNotes[index]);
        if (*full)
            return;
        appendNote(m_page.strNotes, index, makeNote());
        full.reset();
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
        if (qsizetype(m_ruleDays.size()) >= maxCachedRules)
            m_ruleDays.clear();
        DayNotes scratch;
        AddNthWeekdayNote(scratch, m_page.txtYear, weekday, occurrence, month, QStringLiteral("."));
        const auto noted = std::find_if(scratch.begin(), scratch.end(), [](const QString &n) { return !n.isEmpty(); });
        const int day = noted == scratch.end() ? -1 : int(noted - scratch.begin());
        m_ruleDays.emplace(key, day);
        return day;
    }

    void takePicture(QByteArrayView value)
    {
        if (std::optional<Refusal> refusal = ShowPicFile(m_text.decode(value), m_page.picture, m_page.binSelPic))
            m_refusals.push_back(std::move(*refusal));
    }


    const ControlFileText &m_text;
    CalendarPage &m_page;
    std::vector<Refusal> m_refusals;
    int m_notesTaken = 0;
    DateReader m_dates;
    // The date of a birthday line, decoded into the same room every time.
    QString m_dateText;
    std::array<std::optional<bool>, std::tuple_size_v<DayNotes>> m_full;
    QString m_ruleYear;
    std::map<std::tuple<qint16, qint16, qint16>, int> m_ruleDays;
};

bool isTextFilePath(const QString &path)
{
    return path.size() > 1 && path.endsWith(u"txt");
}

std::vector<Refusal> refused(const QString &path, Refusal::Reason reason)
{
    return {Refusal{Refusal::Subject::ControlFile, reason, path, QString()}};
}

} // namespace

std::vector<Refusal> readNotesData(QByteArrayView data, CalendarPage &page, const NotesFileContext &context)
{
    const ControlFileText text(data);
    NotesReader reader(text, page, context);
    text.forEachLine([&](QByteArrayView line) { reader.readLine(line); });
    return reader.takeRefusals();
}

std::vector<Refusal> ReadNotesFile(const QString &strPickedFile, CalendarPage &page, const NotesFileContext &context)
{
    if (!isTextFilePath(strPickedFile))
        return refused(strPickedFile, Refusal::Reason::NotControlFileName);
    QFile file;
    if (!openRegularFile(file, strPickedFile) || file.size() > maxControlFileBytes)
        return refused(strPickedFile, Refusal::Reason::Unreadable);
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(strPickedFile, Refusal::Reason::Unreadable);
    return readNotesData(contents, page, context);
}
