// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "tests/support/RowName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct SignalRow
{
    const char *name;
    int signalNumber;
};

class TemporaryFilesTest : public ::testing::TestWithParam<SignalRow>
{
protected:
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QProcessEnvironment environment() const
    {
        return ProgramRun::environment(m_dir.path(), m_dir.filePath(QStringLiteral("no-cups.sock")));
    }

    QTemporaryDir m_dir;
};

// A long print on a folder that takes no unnamed files, ended by a signal
// while its temporary file is being written: nothing is left.
TEST_P(TemporaryFilesTest, EndedRunLeavesNothingWhereUnnamedFilesAreRefused)
{
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(NO_UNNAMED_FILES));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MONTHLY_CALENDAR_PROGRAM),
                  {QStringLiteral("--print"), QStringLiteral("--months"), QStringLiteral("2027-01..2027-12"), QStringLiteral("--copies"), QStringLiteral("999"), QStringLiteral("--output"),
                   m_dir.filePath(QStringLiteral("out.pdf"))});
    ASSERT_TRUE(program.waitForStarted());
    QDeadlineTimer deadline(60000);
    while (entries().isEmpty() && program.state() == QProcess::Running && !deadline.hasExpired())
        QThread::msleep(5);
    ASSERT_EQ(entries().size(), 1) << "the run ended before it wrote";
    EXPECT_TRUE(entries().constFirst().startsWith(QStringLiteral(".out.pdf.")));

    ::kill(pid_t(program.processId()), GetParam().signalNumber);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(entries(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Signals, TemporaryFilesTest,
                         ::testing::Values(SignalRow{"Terminate", SIGTERM}, SignalRow{"Interrupt", SIGINT},
                                           SignalRow{"HangUp", SIGHUP}),
                         RowName());

// What a killed run left a day ago goes at the next run writing there; a
// younger one may still be written, and other hidden files are the user's.
TEST_F(TemporaryFilesTest, NextRunRemovesOnlyOldTemporaryFilesOfItsOwn)
{
    const auto make = [this](const QString &name, qint64 ageSeconds) {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("partial");
        file.flush();
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    };
    make(QStringLiteral(".old.pdf.0123abcd.part"), 2 * 24 * 3600);
    make(QStringLiteral(".young.pdf.0123abcd.part"), 3600);
    make(QStringLiteral(".notes.part"), 2 * 24 * 3600);

    const ProgramRun run = ProgramRun::run({QStringLiteral("--print"), QStringLiteral("--output"), QStringLiteral("new.pdf")},
                                           m_dir.path(), environment());
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(entries(), (QStringList{QStringLiteral(".notes.part"), QStringLiteral(".young.pdf.0123abcd.part"),
                                      QStringLiteral("new.pdf")}));
}

} // namespace
