#include "WindowFixture.h"
#include "tests/support/Child.h"

#include "app/PictureBox.h"
#include "dialogs/frmFindFiles.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

enum class Kind { Label, Field, Button, Picture, Shape };

struct ControlRow
{
    const char *name;
    Kind kind;
    const char *caption;
    QRect twips;
    bool bold;
    QColor background;
    int tabIndex;
};

const QColor Peach(255, 192, 128);
const QColor Orange(255, 128, 0);

// The window's layout table: Left, Top, Width, Height in twips.
const std::vector<ControlRow> controls = {
    {"lblYear", Kind::Label, "Year (yyyy)", {120, 550, 1005, 255}, true, {}, 0},
    {"txtYear", Kind::Field, "2003", {1320, 550, 1215, 285}, false, {}, 1},
    {"lblMonth", Kind::Label, "Month (mm)", {2880, 550, 1095, 255}, true, {}, 23},
    {"txtMonth", Kind::Field, "1", {4200, 550, 855, 285}, false, {}, 24},
    {"cmdYrFont", Kind::Button, "Month Font", {5400, 550, 1335, 300}, false, Peach, 16},
    {"cmdSelectPrt", Kind::Button, "Select Printer", {5400, 120, 1800, 300}, true, Orange, 26},
    {"lblHeader", Kind::Label, "Header", {120, 1080, 1005, 255}, true, {}, 4},
    {"txtHeader", Kind::Field, "", {1320, 1110, 3500, 285}, false, {}, 5},
    {"cmdHdrFont", Kind::Button, "Header Font", {5400, 1080, 1335, 300}, false, Peach, 14},
    {"Shape1", Kind::Shape, "", {0, 1515, 5175, 2700}, false, {}, -1},
    {"lblAddress", Kind::Label, "Notes", {120, 1560, 1005, 255}, true, {}, 6},
    {"txtMessage(0)", Kind::Field, "", {1320, 1680, 3500, 285}, false, {}, 7},
    {"txtMessage(1)", Kind::Field, "", {1320, 2145, 3500, 285}, false, {}, 8},
    {"txtMessage(2)", Kind::Field, "", {1320, 2670, 3500, 285}, false, {}, 9},
    {"txtMessage(3)", Kind::Field, "", {1320, 3240, 3500, 285}, false, {}, 10},
    {"txtMessage(4)", Kind::Field, "", {1320, 3720, 3500, 285}, false, {}, 11},
    {"cmdAdrFont", Kind::Button, "Address Font", {5400, 1800, 1335, 300}, false, Peach, 15},
    {"picTemp", Kind::Picture, "", {5280, 2400, 1935, 1695}, false, {}, 22},
    {"lblMessage", Kind::Label, "Mesasage", {120, 4320, 1215, 255}, true, {}, 13},
    {"txtMessage(5)", Kind::Field, "", {1320, 4320, 3500, 285}, false, {}, 12},
    {"cmdPickPic", Kind::Button, "Select Picture", {5400, 4200, 1800, 300}, true, Orange, 21},
    {"cmdMsgFont", Kind::Button, "Messaage Font", {3120, 4680, 1335, 300}, false, Peach, 17},
    {"cmdDayNotes", Kind::Button, "Select Day Notes", {5400, 4680, 1800, 300}, true, Orange, 25},
    {"cmdCalendarFont", Kind::Button, "Calendar Font", {480, 5400, 1335, 300}, false, Peach, 18},
    {"cmdPrint", Kind::Button, "Print Calendar(s)", {360, 5760, 1600, 495}, true, Orange, 3},
    {"lblCopies", Kind::Label, "Copies", {2400, 5880, 615, 255}, true, {}, 19},
    {"txtCopies", Kind::Field, "1", {3360, 5865, 300, 285}, false, {}, 20},
    {"cmdExit", Kind::Button, "Done", {5640, 5760, 1215, 495}, true, Orange, 2},
};

class ControlLayoutTest : public WindowFixture, public ::testing::WithParamInterface<ControlRow>
{
};

TEST_P(ControlLayoutTest, SitsWhereTheTablePutsIt)
{
    const ControlRow &row = GetParam();
    auto *control = m_window->centralWidget()->findChild<QWidget *>(row.name);
    ASSERT_NE(control, nullptr);
    const QRect &t = row.twips;
    EXPECT_EQ(control->geometry(), twipsRect(t.x(), t.y(), t.width(), t.height()));
    EXPECT_EQ(control->font().bold(), row.bold);
    if (row.kind != Kind::Shape && row.kind != Kind::Picture) {
        EXPECT_EQ(control->font().family(), "MS Sans Serif");
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), 8.25);
    }
    switch (row.kind) {
    case Kind::Label:
        EXPECT_EQ(qobject_cast<QLabel *>(control)->text(), row.caption);
        EXPECT_EQ(control->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
        break;
    case Kind::Field:
        EXPECT_EQ(qobject_cast<QLineEdit *>(control)->text(), row.caption);
        break;
    case Kind::Button:
        EXPECT_EQ(qobject_cast<QPushButton *>(control)->text(), row.caption);
        EXPECT_EQ(control->palette().color(QPalette::Button), row.background);
        break;
    case Kind::Picture:
        EXPECT_NE(qobject_cast<PictureBox *>(control), nullptr);
        break;
    case Kind::Shape:
        EXPECT_EQ(qobject_cast<QFrame *>(control)->frameShape(), QFrame::Box);
        EXPECT_EQ(qobject_cast<QFrame *>(control)->lineWidth(), 1);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ControlLayoutTest, ::testing::ValuesIn(controls),
                         [](const ::testing::TestParamInfo<ControlRow> &info) {
                             std::string name = info.param.name;
                             std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
                             return name;
                         });

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, TabGoesThroughTheControlsByTabIndex)
{
    std::vector<ControlRow> focusable;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(focusable),
                 [](const ControlRow &row) { return row.kind != Kind::Label && row.kind != Kind::Shape; });
    std::sort(focusable.begin(), focusable.end(),
              [](const ControlRow &a, const ControlRow &b) { return a.tabIndex < b.tabIndex; });

    QWidget *widget = m_window->centralWidget()->findChild<QWidget *>(focusable.front().name);
    for (size_t i = 1; i < focusable.size(); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(widget->objectName().toStdString(), focusable[i].name) << "after tab index " << i;
    }
}

TEST_F(MainWindowTest, WindowHasItsCaptionColourClientSizeAndHelpMenu)
{
    EXPECT_EQ(m_window->windowTitle(), " Monthly Calendar");
    EXPECT_EQ(m_window->centralWidget()->size(), QSize(twipsToPixels(8085), twipsToPixels(6660)));
    EXPECT_EQ(m_window->centralWidget()->palette().color(QPalette::Window), QColor(0, 96, 0));
    const QList<QAction *> menu = m_window->menuBar()->actions();
    ASSERT_EQ(menu.size(), 1);
    EXPECT_EQ(menu.first()->text(), "&Help");
    EXPECT_EQ(menu.first()->menu(), nullptr);
    m_window->show();
    EXPECT_EQ(m_window->centralWidget()->size(), QSize(twipsToPixels(8085), twipsToPixels(6660)));
    EXPECT_EQ(m_window->centralWidget()->y(), m_window->menuBar()->height());
}

TEST_F(MainWindowTest, LoadSetsTheSharedStateDefaults)
{
    for (const QString &note : m_window->page().strNotes)
        EXPECT_TRUE(note.isEmpty());
    EXPECT_EQ(m_window->fileMode(), frmSorvane::FileMode::None);
    EXPECT_EQ(m_window->page().fonts.strMonthFont, "Arial");
    EXPECT_EQ(m_window->page().fonts.strHdrFont, "Arial");
    EXPECT_EQ(m_window->page().fonts.strAdrFont, "Times");
    EXPECT_EQ(m_window->page().fonts.strMsgFont, "Arial");
    EXPECT_EQ(m_window->page().fonts.strCalFont, "Arial");
    EXPECT_FALSE(m_window->page().binSelPic);
    EXPECT_TRUE(child<PictureBox>(m_window, "picTemp")->picture().isNull());
}

TEST_F(MainWindowTest, HelpShowsEightLinesWithTheInformationIcon)
{
    child<QAction>(m_window, "mnuHelp")->trigger();
    ASSERT_EQ(m_boxes.size(), 1u);
    const QString expected = " 1. Enter the Year.\r\n"
                             " 2. Select the Fonts.\r\n"
                             "     -Set the Font Size large to see it better.\r\n"
                             "     -The actual size is preset . . .\r\n"
                             " 3. Select a Picture. \r\n"
                             " 4. Enter Text for each field. \r\n"
                             " 5. Print a copy. \r\n"
                             " 6. If OK, set number of copies and print";
    EXPECT_EQ(m_boxes[0], (MsgBoxRequest{expected, 64, " Calendar Help"}));
}

TEST_F(MainWindowTest, DoneUnloadsTheChooserAndTheWindow)
{
    m_window->show();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
    ASSERT_NE(m_window->findFiles(), nullptr);
    QTest::mouseClick(child<QPushButton>(m_window, "cmdExit"), Qt::LeftButton);
    EXPECT_EQ(m_window->findFiles(), nullptr);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(m_boxes.empty()) << "unloading the chooser is no return to the window";
}

// The program ends when no window of it is left visible.
bool anyWindowVisible()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget *window) { return window->isVisible(); });
}

TEST_F(MainWindowTest, DoneWithoutAChooserEndsTheProgram)
{
    m_window->show();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdExit"), Qt::LeftButton);
    EXPECT_EQ(m_window->findFiles(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(MainWindowTest, FrameCloseEndsTheProgramThoughTheChooserIsOpen)
{
    m_window->show();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdPickPic"), Qt::LeftButton);
    ASSERT_TRUE(m_window->findFiles()->isVisible());
    m_window->close();
    EXPECT_EQ(m_window->findFiles(), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

} // namespace
