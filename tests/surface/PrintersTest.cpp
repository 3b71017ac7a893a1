// SPDX-License-Identifier: MIT
#include "RecordingDevice.h"
#include "surface/OutputDevice.h"
#include "surface/Printers.h"
#include "surface/SystemPrinters.h"
#include "tests/support/RowName.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

Printers threeDevices(int current)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    for (const char *name : {"first", "second", "third"})
        devices.push_back(std::make_unique<RecordingDevice>(600, QString::fromLatin1(name)));
    return Printers(std::move(devices), current);
}

TEST(PrintersTest, ItemsKeepTheirOrder)
{
    const Printers printers = threeDevices(0);
    ASSERT_EQ(printers.count(), 3);
    EXPECT_EQ(printers.item(0).DeviceName(), QStringLiteral("first"));
    EXPECT_EQ(printers.item(2).DeviceName(), QStringLiteral("third"));
}

TEST(PrintersTest, SetCurrentChangesTheDeviceAddressed)
{
    Printers printers = threeDevices(2);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("third"));
    printers.setCurrent(1);
    EXPECT_EQ(printers.currentIndex(), 1);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("second"));
}

TEST(PrintersTest, IndexOutsideTheCollectionIsSubscriptOutOfRange)
{
    Printers printers = threeDevices(1);
    for (int index : {-1, 3, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_RUNTIME_ERROR(printers.item(index), RuntimeError::SubscriptOutOfRange);
        EXPECT_RUNTIME_ERROR(printers.setCurrent(index), RuntimeError::SubscriptOutOfRange);
        EXPECT_EQ(printers.currentIndex(), 1);
    }
    EXPECT_RUNTIME_ERROR(threeDevices(3), RuntimeError::SubscriptOutOfRange);
}

// Each way of first needing the devices, with the collection made lazily.
struct FirstNeed
{
    const char *name;
    std::function<void(Printers &)> use;
};

class PrintersListedWhenNeededTest : public ::testing::TestWithParam<FirstNeed>
{
};

TEST_P(PrintersListedWhenNeededTest, ListsOnceAtFirstNeedWithTheSameOrderAndCurrentDevice)
{
    int listings = 0;
    Printers printers([&listings] {
        ++listings;
        return threeDevices(2);
    });
    const quint64 selection = printers.selection();
    EXPECT_EQ(listings, 0);

    GetParam().use(printers);
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(printers.currentIndex(), 2);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("third"));
    ASSERT_EQ(printers.count(), 3);
    EXPECT_EQ(printers.item(0).DeviceName(), QStringLiteral("first"));
    EXPECT_EQ(printers.item(1).DeviceName(), QStringLiteral("second"));
    EXPECT_EQ(listings, 1);
    // Settings made before the list was needed still hold for its device.
    EXPECT_EQ(printers.selection(), selection);
    EXPECT_EQ(selection, threeDevices(2).selection());
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrintersListedWhenNeededTest,
    ::testing::Values(FirstNeed{"Count", [](Printers &printers) { printers.count(); }},
                      FirstNeed{"Item", [](Printers &printers) { printers.item(0); }},
                      FirstNeed{"Current", [](Printers &printers) { printers.current(); }},
                      FirstNeed{"CurrentIndex", [](Printers &printers) { printers.currentIndex(); }}),
    RowName());

TEST(PrintersTest, SetCurrentOnALazyCollectionListsFirstAndCountsAsAChoice)
{
    Printers printers([] { return threeDevices(2); });
    const quint64 selection = printers.selection();
    printers.setCurrent(0);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("first"));
    EXPECT_GT(printers.selection(), selection);
    EXPECT_RUNTIME_ERROR(Printers([] { return threeDevices(0); }).setCurrent(3), RuntimeError::SubscriptOutOfRange);
}

TEST(PrintersTest, WithoutACupsServerSaveAsPdfIsTheOnlyAndCurrentDevice)
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    const Printers printers = SystemPrinters::list(QStringLiteral("/tmp"));
    ASSERT_EQ(printers.count(), 1);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("Save as PDF"));
    EXPECT_EQ(printers.current().resolution(), 600);
}

} // namespace
