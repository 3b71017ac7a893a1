#include "NotesFileFixture.h"

#include "input/ReadNotesFile.h"

#include <QFile>

const QDate NotesFileFixture::today(2026, 12, 8);

QString NotesFileFixture::writeFile(const QString &name, const QByteArray &contents)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    return path;
}

void NotesFileFixture::readText(const QByteArray &contents)
{
    read(writeFile(QStringLiteral("notes.txt"), contents));
}

void NotesFileFixture::read(const QString &path)
{
    strPickedFile = path;
    NotesFileTarget target{strPickedFile,
                           txtHeader,
                           txtMessage,
                           txtYear,
                           txtMonth,
                           strNotes,
                           [this] { picturesShown.push_back(strPickedFile); },
                           [this](const MsgBoxRequest &box) { boxes.push_back(box); },
                           today,
                           locale};
    ReadNotesFile(target);
}
