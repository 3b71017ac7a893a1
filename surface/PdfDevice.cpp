// SPDX-License-Identifier: MIT
#include "surface/PdfDevice.h"

#include "platform/MsgBoxRequest.h"
#include "platform/RuntimeError.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"
#include "surface/Paper.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double MarginPoints = 10;

QString fileBaseName(const QString &documentName)
{
    QString name = documentName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.remove(QChar(0));
    return name.isEmpty() ? QStringLiteral("Calendar") : name;
}

// Any entry takes a name, also a dangling link or a pipe: the file is never
// written through one.
bool isTaken(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 || errno != ENOENT;
}

// Gives the finished file its name, failing with EEXIST rather than
// replacing an entry that took the name meanwhile.
bool publish(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that rename: a hard link refuses a taken name too.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

// The written file under the first free name.
QString publishUnderFreeName(QTemporaryFile &written, const QString &folder, const QString &baseName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = PdfDevice::freeFileName(folder, baseName);
        if (publish(written.fileName(), path)) {
            written.setAutoRemove(false);
            return path;
        }
        if (errno != EEXIST)
            break;
    }
    throw RuntimeError(RuntimeError::PrinterError);
}

// A temporary file is private to its owner; a calendar gets the permissions
// any new file of the user gets.
bool givenUsualPermissions(QTemporaryFile &file)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(file.handle(), 0666 & ~mask) == 0;
}

bool keptOnDisk(QTemporaryFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0 && file.error() == QFileDevice::NoError;
}

} // namespace

PdfDevice::PdfDevice(QString folder)
    : PdfDevice(std::move(folder), Paper::systemDefault(QLocale::system()))
{
}

PdfDevice::PdfDevice(QString folder, QPageSize pageSize)
    : m_folder(std::move(folder))
    , m_pageSize(std::move(pageSize))
{
}

QList<QPageSize> PdfDevice::paperSizesWith(const QPageSize &current)
{
    QList<QPageSize> sizes = Paper::commonSizes();
    if (!std::any_of(sizes.cbegin(), sizes.cend(), [&](const QPageSize &size) { return size.isEquivalentTo(current); }))
        sizes.append(current);
    return sizes;
}

QList<QPageSize> PdfDevice::paperSizes() const
{
    return paperSizesWith(m_pageSize);
}

QString PdfDevice::freeFileName(const QString &folder, const QString &baseName)
{
    const QDir dir(folder);
    QString path = dir.filePath(baseName + QStringLiteral(".pdf"));
    for (int number = 2; isTaken(path); ++number)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(baseName).arg(number));
    return path;
}

QPageLayout PdfDevice::layoutFor(const QPageSize &pageSize)
{
    return QPageLayout(pageSize, QPageLayout::Portrait,
                       QMarginsF(MarginPoints, MarginPoints, MarginPoints, MarginPoints), QPageLayout::Point);
}

QPageLayout PdfDevice::pageLayout() const
{
    return layoutFor(m_pageSize);
}

QString PdfDevice::DeviceName() const
{
    return QStringLiteral("Save as PDF");
}

bool PdfDevice::writeDocument(QIODevice &out, const QList<Page> &pages, const PrintSettings &settings,
                              const QPageLayout &layout)
{
    QPdfWriter writer(&out);
    writer.setResolution(Resolution);
    writer.setPageLayout(layout);
    writer.setTitle(settings.documentName);
    writer.setCreator(applicationTitle());

    QPainter painter;
    if (!painter.begin(&writer))
        throw RuntimeError(RuntimeError::PrinterError);
    const PageRenderer renderer(painter, Resolution);
    // The PDF writer has no copy count: each copy is a run of pages of its
    // own, the whole document in order.
    const int copies = std::max(settings.copies, 1);
    for (int copy = 0; copy < copies; ++copy) {
        if (settings.progress && !settings.progress(copy + 1, copies)) {
            painter.end();
            return false;
        }
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (copy > 0 || i > 0)
                writer.newPage();
            renderer.render(pages[i], QSizeF(writer.width(), writer.height()));
        }
    }
    painter.end();
    return true;
}

void PdfDevice::print(const Page &page, const PrintSettings &settings)
{
    printPages({page}, settings);
}

void PdfDevice::printPages(const QList<Page> &pages, const PrintSettings &settings)
{
    if (!QDir().mkpath(m_folder))
        throw RuntimeError(RuntimeError::PrinterError,
                           QStringLiteral("cannot write into %1: the folder cannot be made").arg(m_folder));
    const QString baseName = fileBaseName(settings.documentName);
    // Written under a hidden name and named only when complete, so that no
    // reader meets a partial calendar, even when the program is killed.
    QTemporaryFile file(QDir(m_folder).filePath(QStringLiteral(".%1-XXXXXX.part").arg(baseName)));
    if (!file.open())
        throw RuntimeError(RuntimeError::PrinterError,
                           QStringLiteral("cannot write into %1: %2").arg(m_folder, file.errorString()));
    if (!writeDocument(file, pages, settings, pageLayout()))
        return;
    if (!keptOnDisk(file) || !givenUsualPermissions(file))
        throw RuntimeError(RuntimeError::PrinterError);
    m_lastFile = publishUnderFreeName(file, m_folder, baseName);
}
