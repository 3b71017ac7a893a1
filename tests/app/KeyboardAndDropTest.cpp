// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"
#include "tests/support/PdfReader.h"
#include "tests/support/RowName.h"

#include "app/PictureBox.h"
#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <functional>

namespace {

class DesktopUseTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        writeFile("notes.txt", "HDR From File\r\nDAY 5 Dentist\r\n");
        writeFile("party.ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:p\r\nSUMMARY:Party\r\n"
                               "DTSTART;VALUE=DATE:20030105\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        writeFile("people.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Grandfather\r\nBDAY:1950-01-17\r\nEND:VCARD\r\n");
        writeFile("letter.odt", "PK");
        ASSERT_TRUE(QImage(40, 20, QImage::Format_RGB32).save(workPath("pic.bmp")));
        m_window->show();
        m_window->activateWindow();
        QCoreApplication::processEvents();
    }

    void writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    // A key as the user presses it: to whatever has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
        QCoreApplication::processEvents();
    }

    static void type(Qt::Key mnemonic, const QString &text)
    {
        press(mnemonic, Qt::AltModifier);
        QLineEdit *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        ASSERT_NE(field, nullptr);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_F(DesktopUseTest, TheWholeJobWithKeysAlone)
{
    // A button's mnemonic clicks it the way a mouse click is animated.
    auto soon = [](auto done) { return QTest::qWaitFor(done); };
    press(Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(soon([] { return QApplication::activeWindow() == windowTitled<frmFindFiles>("Select Files"); }));
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    ASSERT_EQ(child<QLineEdit>(m_window, "txtHeader")->text(), "From File");
    m_window->activateWindow();
    QCoreApplication::processEvents();
    type(Qt::Key_Y, "2004");
    type(Qt::Key_M, "2");
    type(Qt::Key_E, "Typed Header");

    press(Qt::Key_L, Qt::AltModifier);
    ASSERT_TRUE(soon([] {
        return QApplication::activeWindow() == windowTitled<frmSelectPrt>("Output Device Selection");
    }));
    press(Qt::Key_C, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(soon([] { return !windowTitled<frmSelectPrt>("Output Device Selection"); }));

    m_window->activateWindow();
    QCoreApplication::processEvents();
    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(soon([this] { return !pdfDevice().lastFile().isEmpty(); }));
    EXPECT_TRUE(m_boxes.empty());
    const QString text = PdfReader::text(pdfDevice().lastFile());
    for (const char *word : {"February", "2004", "Typed Header", "Dentist"})
        EXPECT_TRUE(text.contains(QLatin1String(word))) << word;
}

struct DropRow
{
    const char *name;
    const char *file;
    bool accepted;
    std::function<bool(const CalendarPage &)> taken;
};

const DropRow dropRows[] = {
    {"Picture", "pic.bmp", true, [](const CalendarPage &page) { return page.binSelPic; }},
    {"ControlFile", "notes.txt", true, [](const CalendarPage &page) { return page.txtHeader == "From File"; }},
    {"CalendarFile", "party.ics", true, [](const CalendarPage &page) { return page.events != nullptr; }},
    {"AddressBook", "people.vcf", true, [](const CalendarPage &page) { return page.events != nullptr; }},
    {"Unknown", "letter.odt", false, [](const CalendarPage &page) {
         return page.binSelPic || !page.txtHeader.isEmpty() || page.events;
     }},
};

class DropTest : public DesktopUseTest, public testing::WithParamInterface<DropRow>
{
};

// A drop does what picking the file does; anything else the cursor refuses.
TEST_P(DropTest, OpensWhatPickingOpens)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(workPath(GetParam().file))});
    const QPoint middle = m_window->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), GetParam().accepted);
    if (enter.isAccepted()) {
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &drop);
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::overrideCursor(); }));
    }
    EXPECT_EQ(GetParam().taken(m_window->page()), GetParam().accepted);
    EXPECT_TRUE(m_boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DropTest, testing::ValuesIn(dropRows), RowName());

} // namespace
