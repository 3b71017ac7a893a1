// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/RowName.h"

#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"

#include <QPushButton>
#include <QTest>

#include <optional>

namespace {

struct FontButtonRow
{
    const char *name;
    const char *button;
    QString PageFonts::*fontName;
};

const std::vector<FontButtonRow> fontButtons = {
    {"MonthFont", "cmdYrFont", &PageFonts::strMonthFont},
    {"HeaderFont", "cmdHdrFont", &PageFonts::strHdrFont},
    {"AddressFont", "cmdAdrFont", &PageFonts::strAdrFont},
    {"MessageFont", "cmdMsgFont", &PageFonts::strMsgFont},
    {"CalendarFont", "cmdCalendarFont", &PageFonts::strCalFont},
};

const MsgBoxRequest SelectPrinterFirst{"Select the Printer . . .  ", 64, "Calendar Printer Selection"};

class FontButtonTest : public WindowFixture, public ::testing::WithParamInterface<FontButtonRow>
{
protected:
    void press() { QTest::mouseClick(child<QPushButton>(m_window, GetParam().button), Qt::LeftButton); }
    QString fontName() const { return m_window->page().fonts.*GetParam().fontName; }

    // Every font name but the one of this row's button.
    QStringList otherFontNames() const
    {
        QStringList names;
        for (const FontButtonRow &row : fontButtons) {
            if (row.fontName != GetParam().fontName)
                names << m_window->page().fonts.*row.fontName;
        }
        return names;
    }

};

TEST_P(FontButtonTest, RefusesBeforeThePrinterIsSelected)
{
    const QString before = fontName();
    press();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], SelectPrinterFirst);
    EXPECT_EQ(m_fontDialogs, 0);
    EXPECT_EQ(fontName(), before);
}

TEST_P(FontButtonTest, StoresTheChosenFaceInItsOwnNameOnly)
{
    const QStringList others = otherFontNames();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    windowTitled<frmSelectPrt>("Output Device Selection")->close();
    press();
    EXPECT_EQ(m_fontDialogs, 1);
    EXPECT_EQ(m_fontFlags, 2);
    EXPECT_EQ(fontName(), "Liberation Serif");
    EXPECT_EQ(otherFontNames(), others);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_P(FontButtonTest, CancelKeepsTheName)
{
    const QString before = fontName();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    m_fontChoice.reset();
    press();
    EXPECT_EQ(m_fontDialogs, 1);
    EXPECT_EQ(fontName(), before);
}

TEST_P(FontButtonTest, PrintingRefusesAgainButKeepsTheChoice)
{
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    press();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdPrint"), Qt::LeftButton);
    ASSERT_TRUE(m_boxes.empty());
    press();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], SelectPrinterFirst);
    EXPECT_EQ(fontName(), "Liberation Serif");
}

INSTANTIATE_TEST_SUITE_P(Buttons, FontButtonTest, ::testing::ValuesIn(fontButtons),
                         RowName());

using DeviceWindowTest = WindowFixture;

TEST_F(DeviceWindowTest, DoneLeavesAnOpenDeviceWindowRunning)
{
    m_window->show();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(m_window, "cmdExit"), Qt::LeftButton);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(windowTitled<frmFindFiles>("Select Files"), nullptr);
    ASSERT_NE(windowTitled<frmSelectPrt>("Output Device Selection"), nullptr);
    EXPECT_TRUE(windowTitled<frmSelectPrt>("Output Device Selection")->isVisible());
}

} // namespace
