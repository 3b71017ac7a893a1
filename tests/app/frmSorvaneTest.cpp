// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/LayoutCheck.h"

#include "app/PictureBox.h"
#include "dialogs/frmFindFiles.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// The controls that take the focus, in the order Tab visits them.
const char *const tabOrder[] = {
    "txtYear",       "cmdExit",       "cmdPrint",      "txtHeader",     "txtMessage(0)",   "txtMessage(1)",
    "txtMessage(2)", "txtMessage(3)", "txtMessage(4)", "txtMessage(5)", "cmdHdrFont",      "cmdAdrFont",
    "cmdYrFont",     "cmdMsgFont",    "cmdCalendarFont", "txtCopies",   "cmdPickPic",      "picTemp",
    "txtMonth",      "cmdDayNotes",   "cmdSelectPrt",
};

struct CaptionRow
{
    const char *name;
    const char *caption;
};

const CaptionRow captions[] = {
    {"lblYear", "Year (yyyy)"},
    {"lblMonth", "Month (mm)"},
    {"cmdYrFont", "Month Font"},
    {"cmdSelectPrt", "Select Printer"},
    {"lblHeader", "Header"},
    {"cmdHdrFont", "Header Font"},
    {"lblAddress", "Notes"},
    {"cmdAdrFont", "Address Font"},
    {"lblMessage", "Mesasage"},
    {"cmdPickPic", "Select Picture"},
    {"cmdMsgFont", "Messaage Font"},
    {"cmdDayNotes", "Select Day Notes"},
    {"cmdCalendarFont", "Calendar Font"},
    {"cmdPrint", "Print Calendar(s)"},
    {"lblCopies", "Copies"},
    {"cmdExit", "Done"},
};

// The caption as shown, without the mnemonic's marker.
QString captionOf(const QWidget *control)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        text = label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        text = button->text();
    return text.remove(u'&');
}

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, TabGoesThroughTheControlsInOrder)
{
    QWidget *widget = child<QWidget>(m_window, tabOrder[0]);
    for (size_t i = 1; i < std::size(tabOrder); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(widget->objectName().toStdString(), tabOrder[i]) << "after " << tabOrder[i - 1];
    }
}

TEST_F(MainWindowTest, ControlsShowTheirCaptionsWholeAndApart)
{
    for (const CaptionRow &row : captions)
        EXPECT_EQ(captionOf(child<QWidget>(m_window, row.name)), row.caption);
    m_window->show();
    expectReadableLayout(m_window->centralWidget());
}

TEST_F(MainWindowTest, FieldsStartWithTheStartValues)
{
    EXPECT_EQ(child<QLineEdit>(m_window, "txtYear")->text(), "2003");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMonth")->text(), "1");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtCopies")->text(), "1");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(child<QLineEdit>(m_window, QStringLiteral("txtMessage(%1)").arg(i))->text(), "");
}

TEST_F(MainWindowTest, WindowHasItsCaptionColourClientSizeViewAndHelpMenu)
{
    EXPECT_EQ(m_window->windowTitle(), " Monthly Calendar");
    EXPECT_EQ(m_window->centralWidget()->size(), QSize(twipsToPixels(8085), twipsToPixels(6660)));
    EXPECT_EQ(m_window->centralWidget()->palette().color(QPalette::Window), QColor(0, 96, 0));
    const QList<QAction *> menu = m_window->menuBar()->actions();
    ASSERT_EQ(menu.size(), 3);
    EXPECT_EQ(menu[0]->text(), "&File");
    ASSERT_NE(menu[0]->menu(), nullptr);
    EXPECT_EQ(menu[0]->menu()->actions().constLast()->text(), QStringLiteral("Page Set&up\u2026"));
    EXPECT_EQ(menu[1]->text(), "&View");
    ASSERT_NE(menu[1]->menu(), nullptr);
    const QList<QAction *> view = menu[1]->menu()->actions();
    ASSERT_EQ(view.size(), 1);
    EXPECT_EQ(view[0]->text(), "Page &Preview");
    EXPECT_EQ(view[0]->shortcut(), QKeySequence("Ctrl+Shift+P"));
    EXPECT_EQ(menu[2]->text(), "&Help");
    EXPECT_EQ(menu[2]->menu(), nullptr);
    m_window->show();
    EXPECT_EQ(m_window->centralWidget()->size(), QSize(twipsToPixels(8085), twipsToPixels(6660)));
    EXPECT_EQ(m_window->centralWidget()->y(), m_window->menuBar()->height());
}

TEST_F(MainWindowTest, LoadSetsTheSharedStateDefaults)
{
    for (const QString &note : m_window->page().strNotes)
        EXPECT_TRUE(note.isEmpty());
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
    ASSERT_NE(windowTitled<frmFindFiles>("Select Files"), nullptr);
    QTest::mouseClick(child<QPushButton>(m_window, "cmdExit"), Qt::LeftButton);
    EXPECT_EQ(windowTitled<frmFindFiles>("Select Files"), nullptr);
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
    EXPECT_EQ(windowTitled<frmFindFiles>("Select Files"), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(MainWindowTest, FrameCloseEndsTheProgramThoughTheChooserIsOpen)
{
    m_window->show();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdPickPic"), Qt::LeftButton);
    ASSERT_TRUE(windowTitled<frmFindFiles>("Select Files")->isVisible());
    m_window->close();
    EXPECT_EQ(windowTitled<frmFindFiles>("Select Files"), nullptr);
    EXPECT_FALSE(anyWindowVisible());
}

// What a screen reader hears of controls in the three windows, opened by
// Return; on a dark desktop palette.
const std::tuple<const char *, QAccessible::Role, const char *> heard[] = {
    {"txtYear", QAccessible::EditableText, "Year (yyyy)"}, {"txtMessage(4)", QAccessible::EditableText, "Line 5"},
    {"lblCopies", QAccessible::StaticText, "Copies"}, {"cmdPrint", QAccessible::Button, "Print Calendar(s)"},
    {"filFilename", QAccessible::List, "Files"}, {"cmdDone", QAccessible::Button, "Select"},
    {"lblSelectInfo", QAccessible::StaticText, "Select a Picture file. Either a bmp, gif, jpg or wmf."},
    {"lstPrinterName", QAccessible::List, "Devices"}, {"Label1", QAccessible::StaticText, "THEN"}};

// WCAG relative luminance.
double luminance(const QColor &colour)
{
    auto linear = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

TEST_F(MainWindowTest, ReturnOpensWindowsWhoseControlsAreNamedAndReadableOnADarkPalette)
{
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    QApplication::setPalette(QPalette(QColor(32, 32, 32)));
    m_window = std::make_unique<frmSorvane>(*m_printers, [](const MsgBoxRequest &) {});
    for (const char *button : {"cmdPickPic", "cmdSelectPrt"})
        QTest::keyClick(child<QPushButton>(m_window, button), Qt::Key_Return);
    for (const auto &[name, role, text] : heard) {
        QWidget *control = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            control = control ? control : window->findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->role(), role) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), text) << name;
        const double fore = luminance(control->palette().color(control->foregroundRole()));
        const double back = luminance(control->palette().color(control->backgroundRole()));
        if (role == QAccessible::StaticText || role == QAccessible::Button) {
            EXPECT_GE((std::max(fore, back) + 0.05) / (std::min(fore, back) + 0.05), 4.5) << name;
        }
    }
}

} // namespace
