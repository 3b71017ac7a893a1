// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/Child.h"

#include <QFile>
#include <QLineEdit>

namespace {

class OpenNotesFileTest : public WindowFixture
{
protected:
    QString writeNotes(const QString &name, const QByteArray &contents)
    {
        QFile file(workPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }
};

TEST_F(OpenNotesFileTest, FileNamedAtStartFillsTheWindowAsIfPicked)
{
    const QString path = writeNotes(QStringLiteral("notes.txt"), "YER 2004\r\nMON 3\r\nHDR Garden\r\nDAY 17 Planting\r\n");
    int changes = 0;
    QObject::connect(m_window.get(), &frmSorvane::pageChanged, m_window.get(), [&] { ++changes; });
    m_window->openFiles({QStringLiteral("  ") + path + QStringLiteral(" ")});
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(child<QLineEdit>(m_window, "txtHeader")->text(), "Garden");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtYear")->text(), "2004");
    EXPECT_EQ(child<QLineEdit>(m_window, "txtMonth")->text(), "3");
    EXPECT_EQ(m_window->page().strNotes[16], "Planting");
    EXPECT_EQ(changes, 1);
}

TEST_F(OpenNotesFileTest, FilesNamedAtStartAddTheirNotesInOrder)
{
    m_window->openFiles({writeNotes(QStringLiteral("a.txt"), "DAY 4 first\n")});
    m_window->openFiles({writeNotes(QStringLiteral("b.txt"), "DAY 4 second\n")});
    EXPECT_EQ(m_window->page().strNotes[3], "first ^ second");
}

TEST_F(OpenNotesFileTest, RefusedFileGivesTheChoosersMessage)
{
    m_window->openFiles({writeNotes(QStringLiteral("NOTES.TXT"), "HDR Capitals\n")});
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], tryAgainBox(QStringLiteral("Select a .txt file.")));
    EXPECT_TRUE(child<QLineEdit>(m_window, "txtHeader")->text().isEmpty());
}

} // namespace
