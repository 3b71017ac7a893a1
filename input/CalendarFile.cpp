// SPDX-License-Identifier: MIT
#include "input/CalendarFile.h"

#include "input/CalendarEvents.h"
#include "input/CalendarFileError.h"
#include "input/ICalendarReader.h"
#include "input/RegularFile.h"
#include "input/VCardReader.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

namespace {

// Far beyond any address book or calendar people export (10,000 events take
// about 3 MB); libical holds several times the file in memory while reading.
constexpr qint64 maxCalendarFileBytes = 16 * 1024 * 1024;
constexpr qint64 sniffBytes = 4096;

enum class Kind { None, ICalendar, VCard };

// UTF-16 files become UTF-8; UTF-8 and 8-bit files stay as they are. The
// byte-order mark goes. The bytes are taken, not copied: a file may be 16 MB.
QByteArray asUtf8(QByteArray data)
{
    if (data.startsWith("\xFF\xFE"))
        return QString(QStringDecoder(QStringDecoder::Utf16LE).decode(QByteArrayView(data).sliced(2))).toUtf8();
    if (data.startsWith("\xFE\xFF"))
        return QString(QStringDecoder(QStringDecoder::Utf16BE).decode(QByteArrayView(data).sliced(2))).toUtf8();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    return data;
}

// Old Macintosh files end their lines with CR alone; libical splits at LF.
QByteArray withLineFeeds(QByteArray text)
{
    const auto isLone = [&](qsizetype i) { return i + 1 == text.size() || text.at(i + 1) != '\n'; };
    const char *bytes = text.constData();
    qsizetype i = 0;
    while (i < text.size() && (bytes[i] != '\r' || !isLone(i)))
        ++i;
    // Most files have none, and are not copied.
    if (i == text.size())
        return text;
    char *written = text.data();
    for (; i < text.size(); ++i) {
        if (written[i] == '\r' && isLone(i))
            written[i] = '\n';
    }
    return text;
}

// The text as UTF-8 with LF or CR LF line ends.
QByteArray asText(QByteArray data)
{
    return withLineFeeds(asUtf8(std::move(data)));
}

Kind kindOfText(QByteArrayView text)
{
    const QByteArrayView rest = text.trimmed();
    const qsizetype lineEnd = rest.indexOf('\n');
    const QByteArrayView firstLine = (lineEnd < 0 ? rest : rest.first(lineEnd)).trimmed();
    const auto firstLineIs = [&](QByteArrayView word) { return firstLine.compare(word, Qt::CaseInsensitive) == 0; };
    if (firstLineIs("BEGIN:VCALENDAR"))
        return Kind::ICalendar;
    if (firstLineIs("BEGIN:VCARD"))
        return Kind::VCard;
    return Kind::None;
}

CalendarContents contentsOf(QByteArray data)
{
    const QByteArray text = asText(std::move(data));
    CalendarContents contents;
    switch (kindOfText(text)) {
    case Kind::ICalendar:
        contents = ICalendarReader::read(text);
        break;
    case Kind::VCard:
        contents = VCardReader::read(text);
        break;
    case Kind::None:
        throw CalendarFileError(Refusal::Reason::NotCalendar);
    }
    if (contents.firstLeftOut && contents.events.empty() && contents.birthdays.empty())
        throw CalendarFileError(*contents.firstLeftOut);
    return contents;
}

QByteArray fileData(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        throw CalendarFileError(Refusal::Reason::Unreadable);
    if (file.size() > maxCalendarFileBytes)
        throw CalendarFileError(Refusal::Reason::TooLarge);
    const QByteArray data = file.read(maxCalendarFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw CalendarFileError(Refusal::Reason::Unreadable);
    if (data.size() > maxCalendarFileBytes)
        throw CalendarFileError(Refusal::Reason::TooLarge);
    return data;
}

// The file's contents, or why it is refused, named after path.
CalendarContents contentsOfFile(const QString &path)
{
    try {
        return contentsOf(fileData(path));
    } catch (const CalendarFileError &error) {
        Refusal refusal = error.refusal();
        refusal.file = path;
        throw CalendarFileError(refusal);
    }
}

CalendarFileRead attach(CalendarContents contents, const QTimeZone &local, std::vector<LeftOutEntries> leftOut)
{
    return CalendarFileRead{std::make_shared<const CalendarEvents>(std::move(contents), local), std::move(leftOut),
                            std::nullopt};
}

void noteLeftOut(const CalendarContents &contents, const QString &path, std::vector<LeftOutEntries> &leftOut)
{
    if (!contents.firstLeftOut)
        return;
    Refusal first = *contents.firstLeftOut;
    first.file = path;
    leftOut.push_back(LeftOutEntries{path, contents.leftOut, first});
}

} // namespace

bool isCalendarData(QByteArrayView data)
{
    return kindOfText(asText(data.toByteArray())) != Kind::None;
}

bool isCalendarFile(const QString &path)
{
    QFile file;
    return openRegularFile(file, path) && isCalendarData(file.read(sniffBytes));
}

CalendarFileRead readCalendarData(QByteArrayView data, const QTimeZone &local)
{
    try {
        CalendarContents contents = contentsOf(data.toByteArray());
        std::vector<LeftOutEntries> leftOut;
        noteLeftOut(contents, QString(), leftOut);
        return attach(std::move(contents), local, std::move(leftOut));
    } catch (const CalendarFileError &error) {
        return CalendarFileRead{nullptr, {}, error.refusal()};
    }
}

CalendarFileRead readCalendarFile(const QString &path, const QTimeZone &local)
{
    return readCalendarFiles({path}, local);
}

CalendarFileRead readCalendarFiles(const QStringList &paths, const QTimeZone &local)
{
    CalendarContents all;
    std::vector<LeftOutEntries> leftOut;
    for (const QString &path : paths) {
        try {
            CalendarContents contents = contentsOfFile(path);
            noteLeftOut(contents, path, leftOut);
            all.append(std::move(contents));
        } catch (const CalendarFileError &error) {
            return CalendarFileRead{nullptr, {}, error.refusal()};
        }
    }
    return attach(std::move(all), local, std::move(leftOut));
}
