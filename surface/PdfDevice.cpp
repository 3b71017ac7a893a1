#include "surface/PdfDevice.h"

#include "platform/MsgBoxRequest.h"
#include "platform/RuntimeError.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double MarginPoints = 10;

QString fileBaseName(const QString &documentName)
{
    QString name = documentName.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    name.remove(QChar(0));
    return name.isEmpty() ? QStringLiteral("Calendar") : name;
}

// Creates the file without ever truncating one that exists, also when
// another program takes the same name at the same moment.
QString createFreeFile(QFile &file, const QString &folder, const QString &baseName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = PdfDevice::freeFileName(folder, baseName);
        file.setFileName(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFile::exists(path))
            break;
    }
    throw RuntimeError(RuntimeError::PrinterError);
}

} // namespace

PdfDevice::PdfDevice(QString folder)
    : PdfDevice(std::move(folder), pageSizeFor(QLocale::system()))
{
}

PdfDevice::PdfDevice(QString folder, QPageSize pageSize)
    : m_folder(std::move(folder))
    , m_pageSize(std::move(pageSize))
{
}

QPageSize PdfDevice::pageSizeFor(const QLocale &locale)
{
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(inches ? QPageSize::Letter : QPageSize::A4);
}

QString PdfDevice::freeFileName(const QString &folder, const QString &baseName)
{
    const QDir dir(folder);
    QString path = dir.filePath(baseName + QStringLiteral(".pdf"));
    for (int number = 2; QFile::exists(path); ++number)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(baseName).arg(number));
    return path;
}

QPageLayout PdfDevice::pageLayout() const
{
    return QPageLayout(m_pageSize, QPageLayout::Portrait,
                       QMarginsF(MarginPoints, MarginPoints, MarginPoints, MarginPoints), QPageLayout::Point);
}

QString PdfDevice::DeviceName() const
{
    return QStringLiteral("Save as PDF");
}

void PdfDevice::print(const Page &page, const PrintSettings &settings)
{
    if (!QDir().mkpath(m_folder))
        throw RuntimeError(RuntimeError::PrinterError);
    QFile file;
    const QString path = createFreeFile(file, m_folder, fileBaseName(settings.documentName));

    QPdfWriter writer(&file);
    writer.setResolution(Resolution);
    writer.setPageLayout(pageLayout());
    writer.setTitle(settings.documentName);
    writer.setCreator(applicationTitle());

    QPainter painter;
    if (!painter.begin(&writer)) {
        file.remove();
        throw RuntimeError(RuntimeError::PrinterError);
    }
    const PageRenderer renderer(painter, Resolution);
    // The PDF writer has no copy count: each copy is a page of its own.
    for (int copy = 0; copy < std::max(settings.copies, 1); ++copy) {
        if (copy > 0)
            writer.newPage();
        renderer.render(page);
    }
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) {
        file.remove();
        throw RuntimeError(RuntimeError::PrinterError);
    }
    m_lastFile = path;
}
