// SPDX-License-Identifier: MIT
#include "input/CalendarFile.h"

#include "input/CalendarEvents.h"
#include "input/CalendarFileError.h"
#include "input/ICalendarReader.h"
#include "input/VCardReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

namespace {

// Far beyond any address book or calendar people export (10,000 events take
// about 3 MB); libical holds several times the file in memory while reading.
constexpr qint64 maxCalendarFileBytes = 16 * 1024 * 1024;
constexpr qint64 sniffBytes = 4096;

enum class Kind { None, ICalendar, VCard };

// UTF-16 files become UTF-8; UTF-8 and 8-bit files stay as they are.
QByteArray asUtf8(QByteArrayView data)
{
    if (data.startsWith("\xFF\xFE"))
        return QString(QStringDecoder(QStringDecoder::Utf16LE).decode(data.sliced(2))).toUtf8();
    if (data.startsWith("\xFE\xFF"))
        return QString(QStringDecoder(QStringDecoder::Utf16BE).decode(data.sliced(2))).toUtf8();
    return data.toByteArray();
}

// Old Macintosh files end their lines with CR alone; libical splits at LF.
QByteArray withLineFeeds(QByteArray text)
{
    char *bytes = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == text.size() || bytes[i + 1] != '\n'))
            bytes[i] = '\n';
    }
    return text;
}

// The text as UTF-8 with LF or CR LF line ends.
QByteArray asText(QByteArrayView data)
{
    return withLineFeeds(asUtf8(data));
}

Kind kindOf(QByteArrayView data)
{
    const QByteArray text = asText(data);
    QByteArrayView rest(text);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    rest = rest.trimmed();
    const qsizetype lineEnd = rest.indexOf('\n');
    const QByteArrayView firstLine = (lineEnd < 0 ? rest : rest.first(lineEnd)).trimmed();
    const auto firstLineIs = [&](QByteArrayView word) { return firstLine.compare(word, Qt::CaseInsensitive) == 0; };
    if (firstLineIs("BEGIN:VCALENDAR"))
        return Kind::ICalendar;
    if (firstLineIs("BEGIN:VCARD"))
        return Kind::VCard;
    return Kind::None;
}

CalendarContents contentsOf(QByteArrayView data)
{
    const QByteArray text = asText(data);
    switch (kindOf(text)) {
    case Kind::ICalendar:
        return ICalendarReader::read(text);
    case Kind::VCard:
        return CalendarContents{{}, VCardReader::read(text), {}};
    case Kind::None:
        break;
    }
    throw CalendarFileError(QStringLiteral("The file is neither a calendar (iCalendar) nor an address book (vCard)."));
}

CalendarContents contentsOfFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        throw CalendarFileError(QStringLiteral("The file cannot be read."));
    if (file.size() > maxCalendarFileBytes)
        throw CalendarFileError(QStringLiteral("The file is larger than 16 MB."));
    const QByteArray data = file.read(maxCalendarFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw CalendarFileError(QStringLiteral("The file cannot be read."));
    if (data.size() > maxCalendarFileBytes)
        throw CalendarFileError(QStringLiteral("The file is larger than 16 MB."));
    return contentsOf(data);
}

CalendarFileRead attach(CalendarContents contents, const QTimeZone &local)
{
    return CalendarFileRead{std::make_shared<const CalendarEvents>(std::move(contents), local), QString()};
}

} // namespace

bool isCalendarData(QByteArrayView data)
{
    return kindOf(data) != Kind::None;
}

bool isCalendarFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return isCalendarData(file.read(sniffBytes));
}

CalendarFileRead readCalendarData(QByteArrayView data, const QTimeZone &local)
{
    try {
        return attach(contentsOf(data), local);
    } catch (const CalendarFileError &error) {
        return CalendarFileRead{nullptr, error.problem()};
    }
}

CalendarFileRead readCalendarFile(const QString &path, const QTimeZone &local)
{
    try {
        return attach(contentsOfFile(path), local);
    } catch (const CalendarFileError &error) {
        return CalendarFileRead{nullptr, error.problem()};
    }
}

CalendarFileRead readCalendarFiles(const QStringList &paths, const QTimeZone &local)
{
    CalendarContents all;
    for (const QString &path : paths) {
        try {
            all.append(contentsOfFile(path));
        } catch (const CalendarFileError &error) {
            return CalendarFileRead{nullptr, QFileInfo(path).fileName() + QStringLiteral(": ") + error.problem()};
        }
    }
    return attach(std::move(all), local);
}
