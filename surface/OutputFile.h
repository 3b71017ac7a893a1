// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

// A file that appears under its name only once it is complete. It is written
// unnamed in the target's folder and linked under its name by commit(), so a
// run that fails or is killed halfway leaves no partial file behind.
class OutputFile
{
public:
    enum class Existing { Keep, Replace };

    OutputFile(QString path, Existing existing);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Whether a file of the name is there, the name taken byte for byte.
    static bool exists(const QString &path);

    // False when the folder cannot take a new file.
    bool open();
    QIODevice &device() { return m_file; }
    // Gives the written file its name. False when it cannot be written in
    // full, or when a file of that name exists and is to be kept: that file
    // is then left as it was.
    bool commit();
    // Why open() or commit() failed: "cannot write PATH: REASON".
    QString problem() const;

private:
    bool openUnnamed(const QString &folder);
    bool openNamed();
    bool nameUnnamed() const;
    bool nameTemporary() const;
    bool linkUnder(const QString &name) const;
    static bool renameTo(const QString &from, const QString &to);
    QString spareName() const;

    QString m_path;
    Existing m_existing;
    QFile m_file;
    int m_handle = -1;
    // Where the file is written when the folder takes no unnamed files.
    QString m_namedTemporary;
    bool m_committed = false;
    // The system's error of the step that failed.
    int m_error = 0;
};
