// SPDX-License-Identifier: MIT
#include "surface/OutputFile.h"

#include "platform/FileNameBytes.h"
#include "platform/RemoveOnSignal.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr mode_t NewFileMode = 0666;
// A spare file older than this is one a killed run left behind.
constexpr qint64 StaleSpareSeconds = 24 * 60 * 60;

int openRetrying(const QByteArray &path, int flags)
{
    int handle = -1;
    do {
        handle = ::open(path.constData(), flags | O_CLOEXEC, NewFileMode);
    } while (handle < 0 && errno == EINTR);
    return handle;
}

void removeFile(const QString &path)
{
    ::unlink(FileNameBytes::encode(path).constData());
}

} // namespace

OutputFile::OutputFile(QString path, Existing existing)
    : m_path(std::move(path))
    , m_existing(existing)
{
}

OutputFile::~OutputFile()
{
    m_file.close();
    if (!m_committed && !m_namedTemporary.isEmpty())
        removeFile(m_namedTemporary);
}

bool OutputFile::exists(const QString &path)
{
    return ::access(FileNameBytes::encode(path).constData(), F_OK) == 0;
}

bool OutputFile::open()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    removeStaleSpares();
    if (!openUnnamed(folder) && !openNamed()) {
        m_error = errno;
        return false;
    }
    return m_file.open(m_handle, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
}

bool OutputFile::commit()
{
    errno = 0;
    const bool written = m_handle >= 0 && m_file.flush() && m_file.error() == QFileDevice::NoError
                      && ::fdatasync(m_handle) == 0;
    m_committed = written && (m_namedTemporary.isEmpty() ? nameUnnamed() : nameTemporary());
    if (!m_committed)
        m_error = errno;
    m_file.close();
    m_handle = -1;
    return m_committed;
}

bool OutputFile::nameUnnamed()
{
    if (m_existing == Existing::Keep)
        return linkUnder(m_path);
    if (m_existing == Existing::Number)
        return linkUnderFreeName([this](const QString &name) { return linkUnder(name); });
    // An unnamed file cannot take the place of another at once: it gets a
    // name of its own first, then is renamed over the old one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString spare = spareName();
        if (linkUnder(spare)) {
            if (renameTo(spare, m_path))
                return true;
            removeFile(spare);
            return false;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool OutputFile::nameTemporary()
{
    if (m_existing == Existing::Replace)
        return renameTo(m_namedTemporary, m_path);
    // link() refuses a name that exists, where rename() would replace it.
    const QByteArray temporary = FileNameBytes::encode(m_namedTemporary);
    const auto link = [&temporary](const QString &name) {
        return ::link(temporary.constData(), FileNameBytes::encode(name).constData()) == 0;
    };
    const bool linked = m_existing == Existing::Keep ? link(m_path) : linkUnderFreeName(link);
    const int error = errno;
    removeFile(m_namedTemporary);
    errno = error;
    return linked;
}

// Any entry takes a name, a dangling link too: link() refuses them all, so
// no file is ever written through one.
bool OutputFile::linkUnderFreeName(const std::function<bool(const QString &)> &link)
{
    for (int number = 1;; ++number) {
        const QString name = numberedName(number);
        if (link(name)) {
            m_path = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
}

QString OutputFile::numberedName(int number) const
{
    if (number == 1)
        return m_path;
    const QFileInfo target(m_path);
    const QString suffix = target.suffix().isEmpty() ? QString() : u'.' + target.suffix();
    return target.dir().filePath(QStringLiteral("%1 (%2)%3").arg(target.completeBaseName()).arg(number).arg(suffix));
}

bool OutputFile::renameTo(const QString &from, const QString &to)
{
    return std::rename(FileNameBytes::encode(from).constData(), FileNameBytes::encode(to).constData()) == 0;
}

bool OutputFile::openUnnamed(const QString &folder)
{
#ifdef O_TMPFILE
    m_handle = openRetrying(FileNameBytes::encode(folder), O_TMPFILE | O_WRONLY);
#endif
    return m_handle >= 0;
}

bool OutputFile::openNamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = spareName();
        m_handle = openRetrying(FileNameBytes::encode(candidate), O_WRONLY | O_CREAT | O_EXCL);
        if (m_handle >= 0) {
            m_namedTemporary = candidate;
            m_removeOnSignal = std::make_unique<RemoveOnSignal>(FileNameBytes::encode(candidate));
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool OutputFile::linkUnder(const QString &name) const
{
    const QByteArray handlePath = "/proc/self/fd/" + QByteArray::number(m_handle);
    return ::linkat(AT_FDCWD, handlePath.constData(), AT_FDCWD, FileNameBytes::encode(name).constData(),
                    AT_SYMLINK_FOLLOW)
        == 0;
}

// A hidden name beside the target that no other file has yet.
QString OutputFile::spareName() const
{
    const QFileInfo target(m_path);
    return target.absoluteDir().filePath(QStringLiteral(".%1.%2.part").arg(target.fileName()).arg(
        QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

// A run killed on a folder without unnamed files leaves its spare behind;
// the next run writing there removes the user's own old ones.
void OutputFile::removeStaleSpares() const
{
    static const QRegularExpression spare(QStringLiteral("^\\..+\\.[0-9a-f]{8}\\.part$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-StaleSpareSeconds);
    QDirIterator entries(QFileInfo(m_path).absolutePath(), {QStringLiteral(".*.part")},
                         QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        if (spare.match(entry.fileName()).hasMatch() && entry.ownerId() == ::getuid()
            && entry.lastModified() < before)
            removeFile(entry.filePath());
    }
}

QString OutputFile::problem() const
{
    QString reason;
    switch (m_error) {
    case ENOENT:
    case ENOTDIR:
        reason = QStringLiteral("no such folder");
        break;
    case EACCES:
    case EPERM:
        reason = QStringLiteral("the folder cannot be written");
        break;
    case EROFS:
        reason = QStringLiteral("read-only file system");
        break;
    case ENOSPC:
    case EDQUOT:
        reason = QStringLiteral("disk full");
        break;
    case EEXIST:
        reason = QStringLiteral("exists (another run wrote it first)");
        break;
    case EISDIR:
        reason = QStringLiteral("a folder has that name");
        break;
    default:
        reason = QString::fromLocal8Bit(std::strerror(m_error ? m_error : EIO));
    }
    return QStringLiteral("cannot write %1: %2").arg(m_path, reason);
}
