// SPDX-License-Identifier: MIT
#include "surface/PdfDevice.h"

#include "platform/MsgBoxRequest.h"
#include "platform/RuntimeError.h"
#include "surface/OutputFile.h"
#include "surface/Page.h"
#include "surface/PageRenderer.h"
#include "surface/Paper.h"

#include <QDir>
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
    // Named only when complete, so that no reader meets a partial calendar,
    // even when the program is killed.
    OutputFile file(QDir(m_folder).filePath(fileBaseName(settings.documentName) + QStringLiteral(".pdf")),
                    OutputFile::Existing::Number);
    if (!file.open())
        throw RuntimeError(RuntimeError::PrinterError, file.problem());
    if (!writeDocument(file.device(), pages, settings, pageLayout()))
        return;
    if (!file.commit())
        throw RuntimeError(RuntimeError::PrinterError, file.problem());
    m_lastFile = file.path();
}
