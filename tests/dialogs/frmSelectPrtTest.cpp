// SPDX-License-Identifier: MIT
#include "dialogs/frmSelectPrt.h"
#include "tests/support/Child.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/RowName.h"
#include "surface/Printers.h"

#include "tests/support/NamedPdfDevice.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString deviceName(int position)
{
    return QStringLiteral("Device %1").arg(position);
}

Printers makePrinters(const QString &folder, int count, int current = 0)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    for (int position = 1; position <= count; ++position)
        devices.push_back(std::make_unique<NamedPdfDevice>(folder, deviceName(position)));
    return Printers(std::move(devices), current);
}

struct Recorder
{
    std::vector<MsgBoxRequest> boxes;
    MsgBoxFunction function()
    {
        return [this](const MsgBoxRequest &request) { boxes.push_back(request); };
    }
};

const MsgBoxRequest NothingSelected{QStringLiteral("Select a Printer from the list first . . ."), MsgBoxOkOnly, QString()};
const MsgBoxRequest NotAvailable{QStringLiteral("Try again . . .\r\nThe device is not available."), MsgBoxOkOnly,
                                 QString()};

QStringList lines(const QListWidget &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

// The window as its creator opens it: created, loaded, shown.
class SelectPrtTest : public testing::Test
{
protected:
    void open(int deviceCount, int current = 0)
    {
        printers = std::make_unique<Printers>(makePrinters(folder.path(), deviceCount, current));
        window = new frmSelectPrt(*printers, recorder.function());
        window->Form_Load();
        window->show();
        handBacks = std::make_unique<QSignalSpy>(window.data(), &frmSelectPrt::handBack);
    }

    void TearDown() override
    {
        delete window.data();
    }

    void clickLine(int row)
    {
        QListWidget *list = child<QListWidget>(window, "lstPrinterName");
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    void clickSelectDevice() { QTest::mouseClick(child<QPushButton>(window, "cmdSelFont"), Qt::LeftButton); }

    // An unloaded window is deleted as soon as control returns to the event loop.
    static void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir folder;
    std::unique_ptr<Printers> printers;
    Recorder recorder;
    QPointer<frmSelectPrt> window;
    std::unique_ptr<QSignalSpy> handBacks;
};

struct LineCase
{
    const char *name;
    int position;
    QString expected;
};

void PrintTo(const LineCase &row, std::ostream *os)
{
    *os << row.name;
}

class DeviceLineTest : public testing::TestWithParam<LineCase>
{
};

TEST_P(DeviceLineTest, PositionRightAlignedInThreeCharactersThenBlankThenName)
{
    EXPECT_EQ(frmSelectPrt::deviceLine(GetParam().position, QStringLiteral("Office")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, DeviceLineTest,
                         testing::Values(LineCase{"First", 1, QStringLiteral("  1 Office")},
                                         LineCase{"Ninth", 9, QStringLiteral("  9 Office")},
                                         LineCase{"Tenth", 10, QStringLiteral(" 10 Office")},
                                         LineCase{"Twelfth", 12, QStringLiteral(" 12 Office")},
                                         LineCase{"Hundredth", 100, QStringLiteral("100 Office")},
                                         LineCase{"LastThatFits", 999, QStringLiteral("999 Office")},
                                         LineCase{"Thousandth", 1000, QStringLiteral("1000 Office")},
                                         LineCase{"FiveDigits", 12345, QStringLiteral("12345 Office")}),
                         RowName());

TEST(DeviceLineNameTest, NameIsKeptAsItIs)
{
    EXPECT_EQ(frmSelectPrt::deviceLine(2, QStringLiteral(" 7 Color  Laser ")), QStringLiteral("  2  7 Color  Laser "));
}

struct ListCase
{
    const char *name;
    int deviceCount;
    std::vector<QString> someLines; // every row listed here is checked
};

void PrintTo(const ListCase &row, std::ostream *os)
{
    *os << row.name;
}

class SelectPrtListTest : public SelectPrtTest, public testing::WithParamInterface<ListCase>
{
};

TEST_P(SelectPrtListTest, FormLoadListsEveryDeviceInCollectionOrderWithNothingSelected)
{
    open(GetParam().deviceCount);
    const QStringList listed = lines(*child<QListWidget>(window, "lstPrinterName"));

    ASSERT_EQ(listed.size(), GetParam().deviceCount);
    for (const QString &line : GetParam().someLines)
        EXPECT_TRUE(listed.contains(line)) << line.toStdString();
    for (int row = 0; row < listed.size(); ++row)
        EXPECT_TRUE(listed[row].endsWith(u' ' + deviceName(row + 1))) << listed[row].toStdString();
    EXPECT_TRUE(child<QListWidget>(window, "lstPrinterName")->selectedItems().isEmpty());
}

TEST_P(SelectPrtListTest, EachLineMakesItsOwnDeviceCurrent)
{
    const int count = GetParam().deviceCount;
    printers = std::make_unique<Printers>(makePrinters(folder.path(), count));
    // Checking every line of the thousand-device list would only repeat itself.
    std::vector<int> rows;
    for (int row = 0; row < count; ++row)
        if (count < 100 || row < 3 || row >= 997)
            rows.push_back(row);

    for (int row : rows) {
        printers->setCurrent(row == 0 ? count - 1 : 0);
        window = new frmSelectPrt(*printers, recorder.function());
        window->Form_Load();
        window->show();
        clickLine(row);
        clickSelectDevice();

        EXPECT_EQ(printers->currentIndex(), row) << "line " << row + 1;
        EXPECT_EQ(printers->current().DeviceName(), deviceName(row + 1));
        runDeferredDeletes();
        EXPECT_TRUE(window.isNull()) << "line " << row + 1;
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Collections, SelectPrtListTest,
    testing::Values(ListCase{"OneDevice", 1, {QStringLiteral("  1 Device 1")}},
                    ListCase{"ThreeDevices",
                             3,
                             {QStringLiteral("  1 Device 1"), QStringLiteral("  2 Device 2"), QStringLiteral("  3 Device 3")}},
                    ListCase{"TenDevices", 10, {QStringLiteral("  9 Device 9"), QStringLiteral(" 10 Device 10")}},
                    ListCase{"TwelveDevices", 12, {QStringLiteral(" 10 Device 10"), QStringLiteral(" 12 Device 12")}},
                    ListCase{"ThousandAndTwoDevices",
                             1002,
                             {QStringLiteral("999 Device 999"), QStringLiteral("1000 Device 1000"),
                              QStringLiteral("1002 Device 1002")}}),
    RowName());

TEST_F(SelectPrtTest, ChoosingHidesUnloadsAndHandsBackOnce)
{
    open(3);
    clickLine(2);
    clickSelectDevice();

    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(handBacks->count(), 1);
    runDeferredDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(handBacks->count(), 1);
}

TEST_F(SelectPrtTest, SelectDeviceWithNothingSelectedAsksForALineAndStaysOpen)
{
    open(3, 2);
    clickSelectDevice();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0], NothingSelected);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(printers->currentIndex(), 2);
    EXPECT_EQ(handBacks->count(), 0);

    clickLine(0);
    clickSelectDevice();
    EXPECT_EQ(printers->currentIndex(), 0);
    EXPECT_EQ(recorder.boxes.size(), 1u);
}

TEST_F(SelectPrtTest, DeviceGoneSinceTheListWasBuiltIsRefusedAndTheCurrentOneStays)
{
    open(3);
    *printers = makePrinters(folder.path(), 2, 1);
    clickLine(2);
    clickSelectDevice();

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0], NotAvailable);
    EXPECT_EQ(printers->currentIndex(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(handBacks->count(), 0);
}

TEST_F(SelectPrtTest, ClosingWithoutAChoiceKeepsTheDeviceAndHandsBackOnce)
{
    open(3, 1);
    clickLine(2);
    window->close();

    EXPECT_EQ(printers->currentIndex(), 1);
    EXPECT_EQ(handBacks->count(), 1);
    runDeferredDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(handBacks->count(), 1);
}

TEST_F(SelectPrtTest, ControlsShowWholeAndApart)
{
    open(1);
    expectReadableLayout(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Output Device Selection"));
    // Captions as shown: the mnemonic's "&" is not drawn.
    EXPECT_EQ(child<QLabel>(window, "lblProcess1")->text().remove(u'&'),
              QStringLiteral("First Click on a Device from the list."));
    EXPECT_EQ(child<QLabel>(window, "Label1")->text().remove(u'&'), QStringLiteral("THEN"));
    EXPECT_EQ(child<QPushButton>(window, "cmdSelFont")->text().remove(u'&'), QStringLiteral("Select Device"));
    EXPECT_FALSE(child<QListWidget>(window, "lstPrinterName")->isSortingEnabled());
    EXPECT_EQ(child<QPushButton>(window, "cmdSelFont")->nextInFocusChain(), child<QListWidget>(window, "lstPrinterName"));
}

} // namespace
