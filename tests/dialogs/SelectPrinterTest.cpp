// SPDX-License-Identifier: MIT
#include "app/frmSorvane.h"
#include "tests/support/Child.h"
#include "dialogs/frmSelectPrt.h"
#include "surface/Printers.h"

#include "tests/support/NamedPdfDevice.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The main window with three "Save as PDF" devices, each writing into its
// own folder, so where a print went shows which device was current. They
// are listed when first needed, as the system's are, the second current.
class SelectPrinterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (int device = 0; device < 3; ++device)
            ASSERT_TRUE(QDir(folder.path()).mkdir(QString::number(device)));
        printers = std::make_unique<Printers>([this] {
            ++listings;
            std::vector<std::unique_ptr<OutputDevice>> devices;
            for (int device = 0; device < 3; ++device)
                devices.push_back(
                    std::make_unique<NamedPdfDevice>(deviceFolder(device), QStringLiteral("Desk %1").arg(device + 1)));
            return Printers(std::move(devices), 1);
        });
        window = std::make_unique<frmSorvane>(*printers, [this](const MsgBoxRequest &box) { boxes.push_back(box); });
        window->show();
    }

    QString deviceFolder(int device) const { return QDir(folder.path()).filePath(QString::number(device)); }
    int filesIn(int device) const { return int(QDir(deviceFolder(device)).entryList(QDir::Files).size()); }

    frmSelectPrt *openDeviceWindow()
    {
        QTest::mouseClick(child<QPushButton>(window, "cmdSelectPrt"), Qt::LeftButton);
        return windowTitled<frmSelectPrt>("Output Device Selection");
    }

    void chooseLine(frmSelectPrt *deviceWindow, int row)
    {
        QListWidget *list = child<QListWidget>(deviceWindow, "lstPrinterName");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        QTest::mouseClick(child<QPushButton>(deviceWindow, "cmdSelFont"), Qt::LeftButton);
        // The unloaded window goes as soon as the event loop runs again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir folder;
    int listings = 0;
    std::unique_ptr<Printers> printers;
    std::vector<MsgBoxRequest> boxes;
    std::unique_ptr<frmSorvane> window;
};

TEST_F(SelectPrinterTest, StartUpListsNoDeviceUntilTheDeviceWindowOpens)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(listings, 0);

    frmSelectPrt *deviceWindow = openDeviceWindow();
    ASSERT_NE(deviceWindow, nullptr);
    EXPECT_EQ(listings, 1);
    const QListWidget *list = child<QListWidget>(deviceWindow, "lstPrinterName");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("  1 Desk 1"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("  3 Desk 3"));
    EXPECT_EQ(printers->currentIndex(), 1);
}

TEST_F(SelectPrinterTest, FirstPrintListsTheDevicesOnceAndGoesToTheCurrentOne)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(child<QPushButton>(window, "cmdPrint"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, "cmdPrint"), Qt::LeftButton);

    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(filesIn(0), 0);
    EXPECT_EQ(filesIn(1), 2);
    EXPECT_EQ(filesIn(2), 0);
}

TEST_F(SelectPrinterTest, ChosenDeviceReceivesTheNextPrint)
{
    frmSelectPrt *deviceWindow = openDeviceWindow();
    ASSERT_NE(deviceWindow, nullptr);
    chooseLine(deviceWindow, 2);
    QTest::mouseClick(child<QPushButton>(window, "cmdPrint"), Qt::LeftButton);

    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(filesIn(0), 0);
    EXPECT_EQ(filesIn(1), 0);
    EXPECT_EQ(filesIn(2), 1);
}

TEST_F(SelectPrinterTest, NextOpeningAfterAChoiceIsANewWindowWithAFreshList)
{
    chooseLine(openDeviceWindow(), 2);
    EXPECT_EQ(windowTitled<frmSelectPrt>("Output Device Selection"), nullptr);

    frmSelectPrt *reopened = openDeviceWindow();
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(reopened->isVisible());
    ASSERT_EQ(child<QListWidget>(reopened, "lstPrinterName")->count(), 3);
    EXPECT_EQ(child<QListWidget>(reopened, "lstPrinterName")->item(2)->text(), QStringLiteral("  3 Desk 3"));
    EXPECT_TRUE(child<QListWidget>(reopened, "lstPrinterName")->selectedItems().isEmpty());
    EXPECT_EQ(printers->currentIndex(), 2);
}

} // namespace
