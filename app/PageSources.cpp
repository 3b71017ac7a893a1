// SPDX-License-Identifier: MIT
#include "app/PageSources.h"

#include <QFileInfo>

namespace {

// A file named through a link or a relative path is still the same file.
QString identityOf(const QString &path)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

} // namespace

QStringList PageSources::calendarFilesWith(const QStringList &paths) const
{
    QStringList all;
    QStringList identities;
    for (const QString &path : m_calendarFiles + paths) {
        const QString identity = identityOf(path);
        if (identities.contains(identity))
            continue;
        identities << identity;
        all << identity;
    }
    return all;
}

void PageSources::useControlFile(const QString &path)
{
    m_controlFile = identityOf(path);
    m_recentControlFiles.removeAll(m_controlFile);
    m_recentControlFiles.prepend(m_controlFile);
    setRecentControlFiles(m_recentControlFiles);
}

void PageSources::setRecentControlFiles(const QStringList &paths)
{
    m_recentControlFiles = paths.first(std::min(paths.size(), RecentCount));
}

void PageSources::forgetPage()
{
    m_calendarFiles.clear();
    m_controlFile.clear();
}
