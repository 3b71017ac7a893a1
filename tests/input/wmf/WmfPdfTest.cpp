// SPDX-License-Identifier: MIT
#include "WmfWriter.h"

#include "input/wmf/WmfPicture.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A 1 x 1 inch picture: a filled star and the word "Sharp" in 12 pt Arial.
QByteArray starWithCaption()
{
    WmfWriter w;
    w.brush(0, QColor(0, 0, 255)).select(0).pen(0, 20, QColor(255, 0, 0)).select(1);
    w.polygon(WmfFunction::Polygon, {{720, 0}, {1000, 1440}, {0, 500}, {1440, 500}, {440, 1440}});
    w.font(-240, "Arial").select(2).record(WmfFunction::SetBkMode, {1});
    w.textOut({100, 1100}, "Sharp");
    return w.placeable(QRect(0, 0, 1440, 1440), 1440);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class WmfPdfTest : public testing::Test
{
protected:
    // Prints the picture at 1 x 1 inch, one inch from the page's corner.
    QString printToPdf()
    {
        const QString path = m_dir.filePath("picture.pdf");
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        WmfPicture::fromData(starWithCaption())->draw(painter, QRectF(600, 600, 600, 600));
        painter.end();
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(WmfPdfTest, TextStaysTextAtItsPlace)
{
    const QString bbox = run("pdftotext", {"-bbox", printToPdf(), "-"});
    const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">Sharp<)re");
    const QRegularExpressionMatch match = word.match(bbox);
    ASSERT_TRUE(match.hasMatch()) << bbox.toStdString();
    // Points: the picture spans 72 to 144 on both axes; the word starts at
    // 100/1440 inch into it and is 12 pt high.
    EXPECT_NEAR(match.captured(1).toDouble(), 72 + 5, 1.5);
    EXPECT_GT(match.captured(2).toDouble(), 72 + 50);
    EXPECT_LT(match.captured(4).toDouble(), 144);
    EXPECT_NEAR(match.captured(4).toDouble() - match.captured(2).toDouble(), 12 * 1.15, 2.5);
}

TEST_F(WmfPdfTest, ShapesStayVectors)
{
    const QString images = run("pdfimages", {"-list", printToPdf()});
    EXPECT_EQ(images.count('\n'), 2) << images.toStdString();
}

} // namespace
