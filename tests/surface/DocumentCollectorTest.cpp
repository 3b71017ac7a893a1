// SPDX-License-Identifier: MIT
#include "surface/DocumentCollector.h"
#include "surface/FontSubstitutions.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"
#include "tests/support/PdfReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A surface whose only device collects pages for a real "Save as PDF".
class DocumentCollectorTest : public ::testing::Test
{
protected:
    DocumentCollectorTest()
        : m_pdf(m_dir.path(), QPageSize(QPageSize::A4))
        , m_printers(collectorFor(m_pdf))
        , m_collector(static_cast<DocumentCollector &>(m_printers.current()))
        , m_surface(m_printers)
    {
        installFontSubstitutions();
    }

    static std::vector<std::unique_ptr<OutputDevice>> collectorFor(OutputDevice &device)
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<DocumentCollector>(device));
        return devices;
    }

    void endPage(const QString &text, const QString &name, qint16 copies)
    {
        m_surface.setCopies(copies);
        m_surface.setDocumentName(name);
        m_surface.setCurrentX(1440);
        m_surface.setCurrentY(1440);
        m_surface.Print(text);
        m_surface.EndDoc();
    }

    QStringList pdfFiles() const { return QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

    QTemporaryDir m_dir;
    PdfDevice m_pdf;
    Printers m_printers;
    DocumentCollector &m_collector;
    PrintSurface m_surface;
};

TEST_F(DocumentCollectorTest, SurfaceMeasuresAsTheDeviceDoes)
{
    EXPECT_EQ(m_surface.DeviceName(), m_pdf.DeviceName());
    EXPECT_EQ(m_collector.resolution(), m_pdf.resolution());
}

TEST_F(DocumentCollectorTest, PagesReachTheDeviceAsOneDocumentWithCollatedCopies)
{
    endPage(QStringLiteral("first"), QStringLiteral("Calendar 2027-01"), 2);
    endPage(QStringLiteral("second"), QStringLiteral("Calendar 2027-02"), 2);
    EXPECT_TRUE(pdfFiles().isEmpty());
    EXPECT_EQ(m_collector.pageNames(), QStringList({"Calendar 2027-01", "Calendar 2027-02"}));

    m_collector.printDocument(QStringLiteral("Both months"));
    ASSERT_EQ(pdfFiles(), QStringList({"Both months.pdf"}));
    const PdfReader::Content content = PdfReader::read(m_pdf.lastFile());
    ASSERT_EQ(content.pages, 4);
    QStringList order;
    for (const PdfReader::Word &word : content.words)
        order.append(word.text);
    EXPECT_EQ(order, QStringList({"first", "second", "first", "second"}));
}

TEST_F(DocumentCollectorTest, NothingCollectedPrintsNothing)
{
    m_collector.printDocument(QStringLiteral("Empty"));
    EXPECT_TRUE(pdfFiles().isEmpty());
}

} // namespace
