// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The files the window's page was made from, to be opened again: the
// attached calendar files, the control file read or saved last, and the
// recent control files, latest first.
class PageSources
{
public:
    static constexpr qsizetype RecentCount = 5;

    const QStringList &calendarFiles() const { return m_calendarFiles; }
    // The attached files and paths, each file once however it is named.
    QStringList calendarFilesWith(const QStringList &paths) const;
    void setCalendarFiles(const QStringList &paths) { m_calendarFiles = paths; }

    const QString &controlFile() const { return m_controlFile; }
    const QStringList &recentControlFiles() const { return m_recentControlFiles; }
    // Makes path the control file and the first of the recent ones.
    void useControlFile(const QString &path);
    void setRecentControlFiles(const QStringList &paths);

    // A new page comes from no file; the recent ones stay.
    void forgetPage();

private:
    QStringList m_calendarFiles;
    QString m_controlFile;
    QStringList m_recentControlFiles;
};
