// SPDX-License-Identifier: MIT
#include "RecordingDevice.h"
#include "surface/OutputDevice.h"
#include "surface/Printers.h"
#include "tests/support/RuntimeErrorAssert.h"

#include <gtest/gtest.h>

namespace {

Printers threeDevices(int current)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    for (const char *name : {"first", "second", "third"})
        devices.push_back(std::make_unique<RecordingDevice>(600, QString::fromLatin1(name)));
    return Printers(std::move(devices), current);
}

TEST(Printers, ItemsKeepTheirOrder)
{
    const Printers printers = threeDevices(0);
    ASSERT_EQ(printers.count(), 3);
    EXPECT_EQ(printers.item(0).DeviceName(), QStringLiteral("first"));
    EXPECT_EQ(printers.item(2).DeviceName(), QStringLiteral("third"));
}

TEST(Printers, SetCurrentChangesTheDeviceAddressed)
{
    Printers printers = threeDevices(2);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("third"));
    printers.setCurrent(1);
    EXPECT_EQ(printers.currentIndex(), 1);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("second"));
}

TEST(Printers, IndexOutsideTheCollectionIsSubscriptOutOfRange)
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

TEST(Printers, WithoutACupsServerSaveAsPdfIsTheOnlyAndCurrentDevice)
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    const Printers printers = Printers::fromSystem(QStringLiteral("/tmp"));
    ASSERT_EQ(printers.count(), 1);
    EXPECT_EQ(printers.current().DeviceName(), QStringLiteral("Save as PDF"));
    EXPECT_EQ(printers.current().resolution(), 600);
}

} // namespace
