// SPDX-License-Identifier: MIT
#include "surface/OutputFile.h"
#include "tests/support/RowName.h"

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

struct CommitCase
{
    const char *name;
    bool existing;
    OutputFile::Existing mode;
    bool committed;
    QByteArray contents;
};

void PrintTo(const CommitCase &row, std::ostream *os)
{
    *os << row.name;
}

class OutputFileCommitTest : public OutputFileTest, public ::testing::WithParamInterface<CommitCase>
{
};

// Until it is committed the file is not there, or is still the old one.
TEST_P(OutputFileCommitTest, FileAppearsWholeOnlyWhenCommitted)
{
    const CommitCase &row = GetParam();
    if (row.existing)
        writeExisting(QStringLiteral("out.pdf"));
    OutputFile file(path(QStringLiteral("out.pdf")), row.mode);
    ASSERT_TRUE(file.open());
    file.device().write("new pages");
    EXPECT_EQ(contents(path(QStringLiteral("out.pdf"))), row.existing ? QByteArray("old") : QByteArray());
    EXPECT_EQ(file.commit(), row.committed);
    EXPECT_EQ(files(), QStringList({"out.pdf"}));
    EXPECT_EQ(contents(path(QStringLiteral("out.pdf"))), row.contents);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OutputFileCommitTest,
    ::testing::Values(CommitCase{"NewFile", false, OutputFile::Existing::Keep, true, "new pages"},
                      CommitCase{"ExistingFileKeptWhenAskedTo", true, OutputFile::Existing::Keep, false, "old"},
                      CommitCase{"ExistingFileReplacedWhole", true, OutputFile::Existing::Replace, true, "new pages"}),
    RowName());

TEST_F(OutputFileTest, FileNeverCommittedLeavesNothing)
{
    {
        OutputFile file(path(QStringLiteral("out.pdf")), OutputFile::Existing::Keep);
        ASSERT_TRUE(file.open());
        file.device().write("half a document");
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(OutputFileTest, MissingFolderCannotTakeTheFile)
{
    OutputFile file(path(QStringLiteral("missing/out.pdf")), OutputFile::Existing::Replace);
    EXPECT_FALSE(file.open());
    EXPECT_FALSE(file.commit());
}

} // namespace
