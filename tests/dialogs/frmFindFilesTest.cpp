// SPDX-License-Identifier: MIT
#include "dialogs/frmFindFiles.h"
#include "tests/support/Child.h"
#include "tests/support/LayoutCheck.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct Recorder
{
    std::vector<MsgBoxRequest> boxes;
    MsgBoxFunction function()
    {
        return [this](const MsgBoxRequest &request) { boxes.push_back(request); };
    }
};

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Directory entries are indented; compare the names only.
QListWidgetItem *itemNamed(QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().trimmed() == text)
            return list->item(i);
    }
    return nullptr;
}

void clickItem(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = itemNamed(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void doubleClickItem(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = itemNamed(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

QStringList entries(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text().trimmed();
    return texts;
}

// Each test starts in a fresh directory of its own holding three files and
// one subdirectory, and restores the process's current directory after.
class FindFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QDir::cleanPath(m_dir.path());
        for (const char *name : {"alpha.txt", "beta.bmp", "gamma.gif"})
            touch(m_root + "/" + name);
        ASSERT_TRUE(QDir(m_root).mkdir("data"));
        touch(m_root + "/data/inner.txt");
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_root));
    }

    void TearDown() override { QDir::setCurrent(m_previousDir); }

    std::unique_ptr<frmFindFiles> makeChooser(QStringList drives = {QStringLiteral("/")})
    {
        auto chooser = std::make_unique<frmFindFiles>(m_recorder.function(), drives);
        chooser->setAttribute(Qt::WA_DeleteOnClose, false);
        chooser->show();
        return chooser;
    }

    QTemporaryDir m_dir;
    QString m_root;
    QString m_previousDir;
    Recorder m_recorder;
};

TEST_F(FindFilesTest, ControlsShowWholeAndApart)
{
    auto chooser = makeChooser();
    chooser->setPrompt("Select a text Control file.\r\nA [txt] file with Field Control");
    expectReadableLayout(chooser.get());
    EXPECT_EQ(chooser->windowTitle(), "Select Files");
    EXPECT_EQ(child<QPushButton>(chooser, "cmdDone")->text().remove(u'&'), "Select");
}

TEST_F(FindFilesTest, TabOrderRunsFromSelectThroughTheThreeLists)
{
    auto chooser = makeChooser();
    const std::vector<QWidget *> expected = {child<QPushButton>(chooser, "cmdDone"), child<QComboBox>(chooser, "drvDrive"), child<QListWidget>(chooser, "DirDirectory"),
                                             child<QListWidget>(chooser, "filFilename")};
    QWidget *widget = child<QPushButton>(chooser, "cmdDone");
    for (size_t i = 1; i < expected.size(); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(widget, expected[i]) << i;
    }
}

TEST_F(FindFilesTest, ListsStartAtTheCurrentDirectoryWithNothingPicked)
{
    auto chooser = makeChooser();
    EXPECT_EQ(chooser->directoryPath(), m_root);
    EXPECT_EQ(chooser->fileName(), "");
    EXPECT_EQ(chooser->basePath(), "");
    EXPECT_EQ(entries(child<QListWidget>(chooser, "filFilename")), QStringList({"alpha.txt", "beta.bmp", "gamma.gif"}));
    EXPECT_TRUE(entries(child<QListWidget>(chooser, "DirDirectory")).contains("data"));
}

TEST_F(FindFilesTest, ClickBeforeAnyChangeGivesTheBareNameOfTheRightFile)
{
    auto chooser = makeChooser();
    clickItem(child<QListWidget>(chooser, "filFilename"), "beta.bmp");
    EXPECT_EQ(chooser->fileName(), "beta.bmp");
    EXPECT_EQ(QFileInfo(chooser->fileName()).absoluteFilePath(), m_root + "/beta.bmp");
}

TEST_F(FindFilesTest, BasePathOfTheRootHasOneSeparator)
{
    auto chooser = makeChooser();
    chooser->setDirectoryPath("/");
    EXPECT_EQ(chooser->basePath(), "/");
    EXPECT_EQ(chooser->filePath(), "/");
}

TEST_F(FindFilesTest, BasePathOfADirectoryGetsOneSeparatorAdded)
{
    auto chooser = makeChooser();
    doubleClickItem(child<QListWidget>(chooser, "DirDirectory"), "data");
    EXPECT_EQ(chooser->directoryPath(), m_root + "/data");
    EXPECT_EQ(chooser->basePath(), m_root + "/data/");
    EXPECT_EQ(entries(child<QListWidget>(chooser, "filFilename")), QStringList({"inner.txt"}));
    clickItem(child<QListWidget>(chooser, "filFilename"), "inner.txt");
    EXPECT_EQ(chooser->fileName(), m_root + "/data/inner.txt");
    EXPECT_EQ(QDir::currentPath(), m_root) << "browsing must not change the current directory";
}

TEST_F(FindFilesTest, TheLastOfSeveralClicksWins)
{
    auto chooser = makeChooser();
    chooser->setDirectoryPath(m_root);
    clickItem(child<QListWidget>(chooser, "filFilename"), "alpha.txt");
    clickItem(child<QListWidget>(chooser, "filFilename"), "gamma.gif");
    clickItem(child<QListWidget>(chooser, "filFilename"), "beta.bmp");
    EXPECT_EQ(chooser->fileName(), m_root + "/beta.bmp");
}

TEST_F(FindFilesTest, SelectWithoutAClickHandsBackThePreviousRequestsFile)
{
    auto chooser = makeChooser();
    QSignalSpy handBacks(chooser.get(), &frmFindFiles::handBack);
    QTest::mouseClick(child<QPushButton>(chooser, "cmdDone"), Qt::LeftButton);
    EXPECT_EQ(chooser->fileName(), "") << "first request, nothing clicked";
    EXPECT_FALSE(chooser->isVisible());

    chooser->show();
    clickItem(child<QListWidget>(chooser, "filFilename"), "alpha.txt");
    QTest::mouseClick(child<QPushButton>(chooser, "cmdDone"), Qt::LeftButton);
    chooser->show();
    QTest::mouseClick(child<QPushButton>(chooser, "cmdDone"), Qt::LeftButton);
    EXPECT_EQ(chooser->fileName(), "alpha.txt");
    ASSERT_EQ(handBacks.count(), 3);
    EXPECT_EQ(handBacks.at(0).at(0).toString(), "");
    EXPECT_EQ(handBacks.at(2).at(0).toString(), "alpha.txt");
}

TEST_F(FindFilesTest, PromptIsASingleBlankAfterSelect)
{
    auto chooser = makeChooser();
    chooser->setPrompt("Select a Picture file.\r\nEither a bmp, gif, jpg or wmf.");
    QTest::mouseClick(child<QPushButton>(chooser, "cmdDone"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(chooser, "lblSelectInfo")->text(), " ");
}

TEST_F(FindFilesTest, ChangingTheDriveUpdatesAllThreeInOneStep)
{
    auto chooser = makeChooser({QStringLiteral("/"), m_root + "/data"});
    ASSERT_EQ(child<QComboBox>(chooser, "drvDrive")->currentIndex(), 0);
    child<QComboBox>(chooser, "drvDrive")->setFocus();
    QTest::keyClick(child<QComboBox>(chooser, "drvDrive"), Qt::Key_Down);
    EXPECT_EQ(child<QComboBox>(chooser, "drvDrive")->currentText(), m_root + "/data");
    EXPECT_EQ(chooser->directoryPath(), m_root + "/data");
    EXPECT_EQ(chooser->filePath(), m_root + "/data");
    EXPECT_EQ(chooser->basePath(), m_root + "/data/");
    EXPECT_EQ(entries(child<QListWidget>(chooser, "filFilename")), QStringList({"inner.txt"}));
    EXPECT_TRUE(m_recorder.boxes.empty());
}

TEST_F(FindFilesTest, UnreadableDriveIsRefusedAndTheListGoesBack)
{
    auto chooser = makeChooser({QStringLiteral("/"), m_root + "/no-such-volume"});
    QTest::keyClick(child<QComboBox>(chooser, "drvDrive"), Qt::Key_Down);
    ASSERT_EQ(m_recorder.boxes.size(), 1u);
    EXPECT_EQ(m_recorder.boxes[0], (MsgBoxRequest{"Try again . . .\r\nThe drive cannot be read.", 0, ""}));
    EXPECT_EQ(child<QComboBox>(chooser, "drvDrive")->currentIndex(), 0);
    EXPECT_EQ(chooser->directoryPath(), m_root);
    EXPECT_EQ(chooser->basePath(), "");
}

TEST_F(FindFilesTest, DriveListStartsAtTheVolumeHoldingTheCurrentDirectory)
{
    const QString volume = m_root + "/data";
    QDir::setCurrent(volume);
    auto chooser = makeChooser({QStringLiteral("/"), volume});
    EXPECT_EQ(child<QComboBox>(chooser, "drvDrive")->currentText(), volume);
}

TEST(FindFilesRootsTest, SlashComesFirstAndOnlyOnce)
{
    const QStringList roots = frmFindFiles::fileSystemRoots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots.first(), "/");
    EXPECT_EQ(roots.count("/"), 1);
}

TEST_F(FindFilesTest, FrameCloseHandsBackNothingAndUnloads)
{
    QPointer<frmFindFiles> chooser = new frmFindFiles(m_recorder.function());
    chooser->show();
    clickItem(child<QListWidget>(chooser, "filFilename"), "alpha.txt");
    QSignalSpy handBacks(chooser.data(), &frmFindFiles::handBack);
    QSignalSpy cancels(chooser.data(), &frmFindFiles::cancelled);
    chooser->close();
    EXPECT_EQ(handBacks.count(), 0);
    EXPECT_EQ(cancels.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chooser.isNull());
}

} // namespace
