// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

class RemoveOnSignal;

// A file that appears under its name only once it is complete. It is written
// unnamed in the target's folder and linked under its name by commit(), so a
// run that fails or is killed halfway leaves no partial file behind.
class OutputFile
{
public:
    // What happens when a file of the name is there: it is kept (and the
    // commit fails), replaced, or kept with the new file taking the first
    // free name of "NAME (2).EXT", "NAME (3).EXT" ...
    enum class Existing { Keep, Replace, Number };

    OutputFile(QString path, Existing existing);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Whether a file of the name is there, the name taken byte for byte.
    static bool exists(const QString &path);

    // False when the folder cannot take a new file.
    bool open();
    QIODevice &device() { return m_file; }
    // The name the file has, or is to have.
    QString path() const { return m_path; }
    // Gives the written file its name. False when it cannot be written in
    // full, or when a file of that name exists and is to be kept: that file
    // is then left as it was.
    bool commit();
    // Why open() or commit() failed: "cannot write PATH: REASON".
    QString problem() const;

private:
    bool openUnnamed(const QString &folder);
    bool openNamed();
    bool nameUnnamed();
    bool nameTemporary();
    bool linkUnder(const QString &name) const;
    bool linkUnderFreeName(const std::function<bool(const QString &)> &link);
    QString numberedName(int number) const;
    static bool renameTo(const QString &from, const QString &to);
    QString spareName() const;
    void removeStaleSpares() const;

    QString m_path;
    Existing m_existing;
    QFile m_file;
    int m_handle = -1;
    // Where the file is written when the folder takes no unnamed files.
    QString m_namedTemporary;
    std::unique_ptr<RemoveOnSignal> m_removeOnSignal;
    bool m_committed = false;
    // The system's error of the step that failed.
    int m_error = 0;
};
