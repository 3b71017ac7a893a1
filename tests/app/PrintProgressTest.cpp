// SPDX-License-Identifier: MIT
#include "app/PrintProgress.h"
#include "surface/PdfDevice.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(PrintProgressTest, QuickPrintShowsNothing)
{
    QWidget window;
    PrintProgress progress(&window, 1h);
    const CopyProgress hook = progress.hook();
    for (int copy = 1; copy <= 100; ++copy)
        EXPECT_TRUE(hook(copy, 100));
    EXPECT_EQ(progress.dialog(), nullptr);
}

TEST(PrintProgressTest, LongPrintShowsTheCopy)
{
    QWidget window;
    window.show();
    PrintProgress progress(&window, 0ms);
    EXPECT_TRUE(progress.hook()(120, 32767));
    ASSERT_NE(progress.dialog(), nullptr);
    EXPECT_TRUE(progress.dialog()->isVisible());
    EXPECT_EQ(progress.dialog()->labelText(), QStringLiteral("Printing copy 120 of 32767"));
    EXPECT_TRUE(progress.dialog()->isModal());
}

TEST(PrintProgressTest, CancelStopsAtTheNextCopy)
{
    QWidget window;
    window.show();
    PrintProgress progress(&window, 0ms);
    const CopyProgress hook = progress.hook();
    EXPECT_TRUE(hook(1, 10));
    QPushButton *cancel = progress.dialog()->findChild<QPushButton *>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(hook(2, 10));
    EXPECT_FALSE(hook(3, 10));
    EXPECT_TRUE(progress.wasCanceled());
}

// Through the print surface to a real PDF device: a print cancelled halfway
// leaves no file.
TEST(PrintProgressTest, CancelledPdfPrintLeavesNoFile)
{
    QTemporaryDir folder;
    std::vector<std::unique_ptr<OutputDevice>> devices;
    devices.push_back(std::make_unique<PdfDevice>(folder.path(), QPageSize(QPageSize::A4)));
    Printers printers(std::move(devices));
    PrintSurface surface(printers);
    QWidget window;
    window.show();
    PrintProgress progress(&window, 0ms);
    surface.setProgress([&](int copy, int copies) {
        if (copy == copies / 2)
            progress.dialog()->cancel();
        return progress.copyStarts(copy, copies);
    });
    surface.setCopies(200);
    surface.Print(QStringLiteral("Cancelled"));
    surface.EndDoc();
    EXPECT_TRUE(progress.wasCanceled());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
