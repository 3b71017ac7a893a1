// SPDX-License-Identifier: MIT
#include "surface/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OutputFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    static QByteArray contents(const QString &file)
    {
        QFile read(file);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }

    void writeExisting(const QString &name) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }

    QTemporaryDir m_dir;
};

TEST_F(OutputFileTest, FileAppearsOnlyWhenCommitted)
{
    OutputFile file(path(QStringLiteral("out.pdf")), OutputFile::Existing::Keep);
    ASSERT_TRUE(file.open());
    file.device().write("new pages");
    EXPECT_TRUE(files().isEmpty());
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(files(), QStringList({"out.pdf"}));
    EXPECT_EQ(contents(path(QStringLiteral("out.pdf"))), QByteArray("new pages"));
}

TEST_F(OutputFileTest, FileNeverCommittedLeavesNothing)
{
    {
        OutputFile file(path(QStringLiteral("out.pdf")), OutputFile::Existing::Keep);
        ASSERT_TRUE(file.open());
        file.device().write("half a document");
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(OutputFileTest, ExistingFileIsKeptWhenAskedTo)
{
    writeExisting(QStringLiteral("out.pdf"));
    OutputFile file(path(QStringLiteral("out.pdf")), OutputFile::Existing::Keep);
    ASSERT_TRUE(file.open());
    file.device().write("new pages");
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(files(), QStringList({"out.pdf"}));
    EXPECT_EQ(contents(path(QStringLiteral("out.pdf"))), QByteArray("old"));
}

TEST_F(OutputFileTest, ExistingFileIsReplacedWhole)
{
    writeExisting(QStringLiteral("out.pdf"));
    OutputFile file(path(QStringLiteral("out.pdf")), OutputFile::Existing::Replace);
    ASSERT_TRUE(file.open());
    file.device().write("new pages");
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(files(), QStringList({"out.pdf"}));
    EXPECT_EQ(contents(path(QStringLiteral("out.pdf"))), QByteArray("new pages"));
}

TEST_F(OutputFileTest, MissingFolderCannotTakeTheFile)
{
    OutputFile file(path(QStringLiteral("missing/out.pdf")), OutputFile::Existing::Replace);
    EXPECT_FALSE(file.open());
    EXPECT_FALSE(file.commit());
}

} // namespace
