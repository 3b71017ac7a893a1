#include "WindowFixture.h"
#include "tests/support/RowName.h"

#include "dialogs/frmSelectPrt.h"

#include <QPushButton>
#include <QTest>

#include <optional>

namespace {

struct FontButtonRow
{
    const char *name;
    QPushButton *frmSorvane::*button;
    QString frmSorvane::*fontName;
};

const std::vector<FontButtonRow> fontButtons = {
    {"MonthFont", &frmSorvane::cmdYrFont, &frmSorvane::strMonthFont},
    {"HeaderFont", &frmSorvane::cmdHdrFont, &frmSorvane::strHdrFont},
    {"AddressFont", &frmSorvane::cmdAdrFont, &frmSorvane::strAdrFont},
    {"MessageFont", &frmSorvane::cmdMsgFont, &frmSorvane::strMsgFont},
    {"CalendarFont", &frmSorvane::cmdCalendarFont, &frmSorvane::strCalFont},
};

const MsgBoxRequest SelectPrinterFirst{"Select the Printer . . .  ", 64, "Calendar Printer Selection"};

class FontButtonTest : public WindowFixture, public ::testing::WithParamInterface<FontButtonRow>
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_window->cdlSelectPrtFont = CommonDialog([this](QWidget *, qint32 flags) -> std::optional<QString> {
            ++m_dialogs;
            m_flags = flags;
            return m_choice;
        });
    }

    void press() { QTest::mouseClick(m_window.get()->*GetParam().button, Qt::LeftButton); }
    QString fontName() const { return m_window.get()->*GetParam().fontName; }

    // Every font name but the one of this row's button.
    QStringList otherFontNames() const
    {
        QStringList names;
        for (const FontButtonRow &row : fontButtons) {
            if (row.fontName != GetParam().fontName)
                names << m_window.get()->*row.fontName;
        }
        return names;
    }

    std::optional<QString> m_choice = QStringLiteral("Liberation Serif");
    int m_dialogs = 0;
    qint32 m_flags = 0;
};

TEST_P(FontButtonTest, RefusesBeforeThePrinterIsSelected)
{
    const QString before = fontName();
    press();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], SelectPrinterFirst);
    EXPECT_EQ(m_dialogs, 0);
    EXPECT_EQ(fontName(), before);
}

TEST_P(FontButtonTest, StoresTheChosenFaceInItsOwnNameOnly)
{
    const QStringList others = otherFontNames();
    QTest::mouseClick(m_window->cmdSelectPrt, Qt::LeftButton);
    m_window->selectPrt()->close();
    press();
    EXPECT_EQ(m_dialogs, 1);
    EXPECT_EQ(m_flags, 2);
    EXPECT_EQ(fontName(), "Liberation Serif");
    EXPECT_EQ(otherFontNames(), others);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_P(FontButtonTest, CancelKeepsTheName)
{
    const QString before = fontName();
    QTest::mouseClick(m_window->cmdSelectPrt, Qt::LeftButton);
    m_choice.reset();
    press();
    EXPECT_EQ(m_dialogs, 1);
    EXPECT_EQ(fontName(), before);
}

TEST_P(FontButtonTest, PrintingRefusesAgainButKeepsTheChoice)
{
    QTest::mouseClick(m_window->cmdSelectPrt, Qt::LeftButton);
    press();
    QTest::mouseClick(m_window->cmdPrint, Qt::LeftButton);
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
    QTest::mouseClick(m_window->cmdSelectPrt, Qt::LeftButton);
    QTest::mouseClick(m_window->cmdExit, Qt::LeftButton);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->findFiles(), nullptr);
    ASSERT_NE(m_window->selectPrt(), nullptr);
    EXPECT_TRUE(m_window->selectPrt()->isVisible());
}

} // namespace
