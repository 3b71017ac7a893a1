// SPDX-License-Identifier: MIT
#include "app/FirstPrintWarmUp.h"
#include "app/frmSorvane.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"
#include "tests/support/EnglishLocale.h"
#include "tests/support/PdfReader.h"
#include "tests/support/RowName.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct WarmUpRow
{
    const char *name;
    const char *year;
    const char *month;
    const char *copies;
};

// The window as the program starts it: devices listed when first needed,
// the preparation watching the window's client area.
class FirstPrintWarmUpTest : public ::testing::TestWithParam<WarmUpRow>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pdfDir.isValid());
        m_printers = std::make_unique<Printers>([this] {
            ++m_listings;
            std::vector<std::unique_ptr<OutputDevice>> devices;
            devices.push_back(std::make_unique<PdfDevice>(m_pdfDir.path(), QPageSize(QPageSize::A4)));
            return Printers(std::move(devices));
        });
        m_window = std::make_unique<frmSorvane>(*m_printers,
                                                [this](const MsgBoxRequest &request) { m_boxes.push_back(request); });
        m_warmUp = std::make_unique<FirstPrintWarmUp>(*m_window);
        m_window->centralWidget()->installEventFilter(m_warmUp.get());
    }

    QStringList files() const { return QDir(m_pdfDir.path()).entryList(QDir::Files | QDir::Hidden); }

    const EnglishLocale m_english;
    QTemporaryDir m_pdfDir;
    int m_listings = 0;
    std::unique_ptr<Printers> m_printers;
    std::vector<MsgBoxRequest> m_boxes;
    std::unique_ptr<frmSorvane> m_window;
    std::unique_ptr<FirstPrintWarmUp> m_warmUp;
};

TEST_P(FirstPrintWarmUpTest, RunsOnceAfterFirstPaintUnseenAndLeavesTheRealPrintAlone)
{
    CalendarPage page = m_window->page();
    page.txtYear = QString::fromLatin1(GetParam().year);
    page.txtMonth = QString::fromLatin1(GetParam().month);
    page.txtCopies = QString::fromLatin1(GetParam().copies);
    m_window->setPage(page);
    QSignalSpy warmedUp(m_warmUp.get(), &FirstPrintWarmUp::warmedUp);
    m_window->show();
    ASSERT_TRUE(warmedUp.wait(10000));
    m_window->update();
    QTest::qWait(50);

    EXPECT_EQ(warmedUp.count(), 1);
    EXPECT_EQ(m_listings, 0);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_TRUE(files().isEmpty()) << files().join(u' ').toStdString();

    page.txtYear = QStringLiteral("2003");
    page.txtMonth = QStringLiteral("2");
    page.txtCopies = QStringLiteral("2");
    m_window->setPage(page);
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    EXPECT_TRUE(m_boxes.empty());
    ASSERT_EQ(files(), QStringList{QStringLiteral("Calendar 2003-02.pdf")});
    const QList<PdfReader::Word> words = PdfReader::words(QDir(m_pdfDir.path()).filePath(files().front()));
    ASSERT_FALSE(words.isEmpty());
    EXPECT_EQ(words.back().page, 2);
    EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                            [](const PdfReader::Word &word) { return word.text == QStringLiteral("February"); }));
}

INSTANTIATE_TEST_SUITE_P(FirstPrintWarmUp, FirstPrintWarmUpTest,
                         ::testing::Values(WarmUpRow{"StartValues", "2003", "1", "1"},
                                           WarmUpRow{"ManyCopies", "2010", "12", "500"},
                                           WarmUpRow{"MonthThatCannotPrint", "2003", "13", "1"},
                                           WarmUpRow{"EmptyFields", "", "", ""}),
                         RowName());

} // namespace
