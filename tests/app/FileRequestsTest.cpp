// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"

#include "app/PictureBox.h"
#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"

#include <QApplication>
#include <QFile>
#include <QFontDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <ostream>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const MsgBoxRequest WrongControlFile{"Try again . . .\r\nSelect a .txt file.", 0, ""};

// Activation as the platform delivers it: the window becomes the focus
// window once the queued window-system events are processed.
void activate(QWidget *window)
{
    window->activateWindow();
    QCoreApplication::processEvents();
}

class FileRequestTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        writeFile("notes.txt", "HDR My Header\r\nNOT line one\r\nNOT line two\r\nMSG the message\r\n"
                               "YER 2004\r\nMON 2\r\nDAY 5 Dentist\r\n");
        ASSERT_TRUE(QImage(40, 20, QImage::Format_RGB32).save(workPath("pic.bmp")));
        m_window->show();
        QCoreApplication::processEvents();
    }

    void writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    frmFindFiles &chooser() { return *windowTitled<frmFindFiles>("Select Files"); }

    void pick(const QString &name)
    {
        QListWidget *files = child<QListWidget>(&chooser(), "filFilename");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
    }

    void select()
    {
        QTest::mouseClick(child<QPushButton>(&chooser(), "cmdDone"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void readNotesFile()
    {
        QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
        pick("notes.txt");
        select();
    }
};

TEST_F(FileRequestTest, FirstShowOnlyCopiesTheEmptyName)
{
    ASSERT_NE(windowTitled<frmFindFiles>("Select Files"), nullptr);
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, PictureRequestShowsThePromptAndLoadsThePicture)
{
    QTest::mouseClick(child<QPushButton>(m_window, "cmdPickPic"), Qt::LeftButton);
    EXPECT_TRUE(chooser().isVisible());
    EXPECT_EQ(chooser().parentWidget(), nullptr);
    EXPECT_EQ(child<QLabel>(&chooser(), "lblSelectInfo")->text(), "Select a Picture &file.\r\nEither a bmp, gif, jpg or wmf.");
    pick("pic.bmp");
    select();
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_TRUE(m_window->page().binSelPic);
    ASSERT_FALSE(child<PictureBox>(m_window, "picTemp")->picture().isNull());
    const QRectF shown = child<PictureBox>(m_window, "picTemp")->pictureRect();
    EXPECT_NEAR(shown.width() / shown.height(), 2.0, 0.01) << "proportions kept in the preview";
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, ControlFileRequestFillsTheFieldsAndNotes)
{
    QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(&chooser(), "lblSelectInfo")->text(), "Select a text Control &file.\r\nA [txt] file with Field Control");
    pick("notes.txt");
    select();
    EXPECT_EQ(child<QLineEdit>(m_window, "txtHeader")->text(), "My Header");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMessage(0)")->text(), "line one");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMessage(1)")->text(), "line two");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMessage(5)")->text(), "the message");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtYear")->text(), "2004");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMonth")->text(), "2");
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_EQ(child<QLabel>(&chooser(), "lblSelectInfo")->text(), " ");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, ConfirmingTheSameControlFileAgainStoresItsNotesTwice)
{
    readNotesFile();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
    select();
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist ^ Dentist");
}

TEST_F(FileRequestTest, ReturnFromTheDeviceWindowReadsNothing)
{
    readNotesFile();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    auto *devices = windowTitled<frmSelectPrt>("Output Device Selection");
    ASSERT_NE(devices, nullptr);
    devices->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, SelectPrinterTwiceKeepsOneWindowAndItsList)
{
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    auto *first = windowTitled<frmSelectPrt>("Output Device Selection");
    ASSERT_NE(first, nullptr);
    const int lines = child<QListWidget>(first, "lstPrinterName")->count();
    QTest::mouseClick(child<QPushButton>(m_window, "cmdSelectPrt"), Qt::LeftButton);
    EXPECT_EQ(windowTitled<frmSelectPrt>("Output Device Selection"), first);
    EXPECT_EQ(child<QListWidget>(first, "lstPrinterName")->count(), lines);
    EXPECT_EQ(lines, 1);
}

TEST_F(FileRequestTest, ClickingBackWhileTheChooserIsOpenReadsTheEmptyName)
{
    QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(QGuiApplication::focusWindow(), chooser().windowHandle());
    activate(m_window.get());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], WrongControlFile);
    EXPECT_TRUE(chooser().isVisible());
}

// A window that is none of the program's stands for another application.
TEST_F(FileRequestTest, ComingBackFromAnotherApplicationReadsNothing)
{
    readNotesFile();
    activate(m_window.get());
    QWindow elsewhere;
    elsewhere.show();
    elsewhere.requestActivate();
    QCoreApplication::processEvents();
    ASSERT_EQ(QGuiApplication::focusWindow(), &elsewhere);
    activate(m_window.get());
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, ClosingAMessageBoxReadsNothing)
{
    readNotesFile();
    activate(m_window.get());
    auto *box = new QMessageBox(QMessageBox::Information, "Monthly Calendar", "text", QMessageBox::Ok, m_window.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    activate(box);
    ASSERT_EQ(QGuiApplication::focusWindow(), box->windowHandle());
    box->close();
    activate(m_window.get());
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(FileRequestTest, ClosingTheFontDialogReadsNothing)
{
    readNotesFile();
    activate(m_window.get());
    auto *dialog = new QFontDialog(m_window.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    activate(dialog);
    ASSERT_EQ(QGuiApplication::focusWindow(), dialog->windowHandle());
    dialog->reject();
    activate(m_window.get());
    EXPECT_EQ(m_window->page().strNotes[4], "Dentist");
    EXPECT_TRUE(m_boxes.empty());
}

// Escape, or the window manager's close, is a cancel: the file merely
// clicked is not read, and what the user typed stays.
TEST_F(FileRequestTest, ClosedChooserHandsBackNothingAndIsCreatedAfreshOnTheNextRequest)
{
    typeInto(child<QLineEdit>(m_window, "txtHeader"), "Typed");
    for (const bool escape : {false, true}) {
        QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
        QCoreApplication::processEvents();
        pick("notes.txt");
        if (escape)
            QTest::keyClick(child<QListWidget>(&chooser(), "filFilename"), Qt::Key_Escape);
        else
            chooser().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        activate(m_window.get());
        EXPECT_EQ(windowTitled<frmFindFiles>("Select Files"), nullptr) << escape;
        EXPECT_EQ(child<QLineEdit>(m_window, "txtHeader")->text(), "Typed") << escape;
        EXPECT_EQ(m_window->page().strNotes[4], "") << escape;
        EXPECT_TRUE(m_boxes.empty()) << escape;
    }
    QTest::mouseClick(child<QPushButton>(m_window, "cmdDayNotes"), Qt::LeftButton);
    EXPECT_EQ(chooser().fileName(), "");
    EXPECT_TRUE(chooser().isVisible());
}

} // namespace
