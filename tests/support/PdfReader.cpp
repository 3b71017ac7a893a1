// SPDX-License-Identifier: MIT
#include "tests/support/PdfReader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace PdfReader {

namespace {

QByteArray runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is not installed";
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

double attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toDouble();
}

QTransform transformOf(const QXmlStreamReader &xml)
{
    const QStringList parts = xml.attributes().value(QLatin1String("transform")).toString().split(QLatin1Char(' '));
    if (parts.size() != 6)
        return {};
    return QTransform(parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble(), parts[3].toDouble(),
                      parts[4].toDouble(), parts[5].toDouble());
}

// mutool trace: strokes and images in page space, y downwards.
void readTrace(const QString &pdfFile, Content &content)
{
    QXmlStreamReader xml(runTool(QStringLiteral("mutool"), {QStringLiteral("trace"), pdfFile}));
    int page = 0;
    QTransform transform;
    Stroke *stroke = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("stroke_path")) {
            stroke = nullptr;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("page")) {
            page = int(attribute(xml, "number"));
        } else if (name == QLatin1String("stroke_path")) {
            transform = transformOf(xml);
            content.strokes.append(Stroke{page, attribute(xml, "linewidth") * transform.m11(), {}, false});
            stroke = &content.strokes.last();
        } else if (stroke && (name == QLatin1String("moveto") || name == QLatin1String("lineto"))) {
            stroke->points.append(transform.map(QPointF(attribute(xml, "x"), attribute(xml, "y"))));
        } else if (stroke && name == QLatin1String("closepath")) {
            stroke->closed = true;
        } else if (name == QLatin1String("fill_image")) {
            const QTransform placement = transformOf(xml);
            content.images.append(Image{page, placement.mapRect(QRectF(0, 0, 1, 1)),
                                        QSize(int(attribute(xml, "width")), int(attribute(xml, "height")))});
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << "mutool trace output: " << xml.errorString().toStdString();
}

} // namespace

QList<Word> words(const QString &pdfFile)
{
    QList<Word> words;
    QXmlStreamReader xml(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const QRectF box(QPointF(attribute(xml, "xMin"), attribute(xml, "yMin")),
                             QPointF(attribute(xml, "xMax"), attribute(xml, "yMax")));
            words.append(Word{page, xml.readElementText(), box});
        }
    }
    return words;
}

QString text(const QString &pdfFile)
{
    const QTemporaryDir folder;
    const QString textFile = folder.filePath(QStringLiteral("text.txt"));
    runTool(QStringLiteral("mutool"), {QStringLiteral("convert"), QStringLiteral("-F"), QStringLiteral("text"),
                                       QStringLiteral("-O"), QStringLiteral("preserve-whitespace"),
                                       QStringLiteral("-o"), textFile, pdfFile});
    QFile file(textFile);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "mutool wrote no text";
    return QString::fromUtf8(file.readAll());
}

Content read(const QString &pdfFile)
{
    Content content;
    QXmlStreamReader xml(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")}));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("page")) {
            ++content.pages;
            content.pageSize = QSizeF(attribute(xml, "width"), attribute(xml, "height"));
        }
    }
    content.words = words(pdfFile);
    readTrace(pdfFile, content);
    return content;
}

} // namespace PdfReader
