// SPDX-License-Identifier: MIT
#include "NotesFileFixture.h"

#include "input/ReadNotesFile.h"

#include <QFile>
#include <QImage>

const QDate NotesFileFixture::today(2026, 12, 8);

CalendarPage NotesFileFixture::startPage()
{
    CalendarPage start;
    start.txtYear = QStringLiteral("2004");
    start.txtMonth = QStringLiteral("3");
    return start;
}

QString NotesFileFixture::writeFile(const QString &name, const QByteArray &contents)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    return path;
}

QString NotesFileFixture::writePicture(const QString &name, QSize pixels)
{
    const QString path = dir.filePath(name);
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(image.save(path));
    return path;
}

void NotesFileFixture::readText(const QByteArray &contents)
{
    read(writeFile(QStringLiteral("notes.txt"), contents));
}

void NotesFileFixture::read(const QString &path)
{
    const std::vector<Refusal> read = ReadNotesFile(path, page, {today, locale});
    refusals.insert(refusals.end(), read.begin(), read.end());
}
