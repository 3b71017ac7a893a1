// SPDX-License-Identifier: MIT
#include "app/ControlFileWriter.h"

#include "page/CalendarPage.h"
#include "surface/OutputFile.h"

#include <QStringList>

namespace {

const QChar NoBreakSpace(0x00A0);

void addLine(QStringList &lines, const char *tag, const QString &value)
{
    lines << QLatin1String(tag) + u' ' + value;
}

void addText(QStringList &lines, const char *tag, const QString &value)
{
    if (!value.isEmpty())
        addLine(lines, tag, value);
}

// One note per line where every note reads back as written; otherwise the
// whole entry in one line, which reads back as it stands.
QStringList notesOf(const QString &entry)
{
    const QStringList notes = entry.split(NoteSeparator);
    for (const QString &note : notes) {
        if (note.isEmpty() || note.endsWith(u' ') || note.startsWith(u' '))
            return {entry};
    }
    return notes;
}

void addNotesLines(QStringList &lines, const CalendarPage &page)
{
    int last = CalendarPage::LineCount - 1;
    while (last >= 0 && page.txtMessage[last].isEmpty())
        --last;
    for (int i = 0; i <= last; ++i)
        addLine(lines, "NOT", page.txtMessage[i].isEmpty() ? QString(NoBreakSpace) : page.txtMessage[i]);
}

void addDayLines(QStringList &lines, const CalendarPage &page)
{
    for (size_t day = 0; day < page.strNotes.size(); ++day) {
        if (page.strNotes[day].isEmpty())
            continue;
        for (const QString &note : notesOf(page.strNotes[day]))
            addLine(lines, "DAY", QString::number(day + 1) + u' ' + note);
    }
}

} // namespace

QByteArray ControlFileWriter::data(const CalendarPage &page)
{
    QStringList lines;
    addText(lines, "HDR", page.txtHeader);
    addNotesLines(lines, page);
    addText(lines, "MSG", page.txtMessage[CalendarPage::MessageLine]);
    addText(lines, "YER", page.txtYear);
    addText(lines, "MON", page.txtMonth);
    addDayLines(lines, page);
    if (page.binSelPic)
        addText(lines, "PIC", page.picture.filePath());
    QByteArray data;
    for (const QString &line : lines)
        data += line.toUtf8() + "\r\n";
    return data;
}

std::optional<QString> ControlFileWriter::write(const QString &path, const CalendarPage &page)
{
    OutputFile file(path, OutputFile::Existing::Replace);
    if (!file.open())
        return file.problem();
    const QByteArray contents = data(page);
    if (file.device().write(contents) != contents.size() || !file.commit())
        return file.problem();
    return std::nullopt;
}
