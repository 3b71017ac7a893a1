// SPDX-License-Identifier: MIT
#include "input/PictureLoader.h"
#include "input/RegularFile.h"
#include "tests/support/RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Everything a user could name that is not a regular file. Each row makes
// its entry in dir and returns its path.
struct HostileEntry
{
    const char *name;
    std::function<QString(const QDir &)> make;
};

QString makeFifo(const QDir &dir)
{
    const QString path = dir.filePath(u"pipe.jpg"_s);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

QString makeSocket(const QDir &dir)
{
    const QString path = dir.filePath(u"socket.txt"_s);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    EXPECT_LT(size_t(native.size()), sizeof(address.sun_path));
    std::copy(native.begin(), native.end(), address.sun_path);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    return path;
}

QString makeLinkTo(const QDir &dir, const QString &target)
{
    const QString path = dir.filePath(u"link.wmf"_s);
    EXPECT_TRUE(QFile::link(target, path));
    return path;
}

const HostileEntry hostileEntries[] = {
    {"NamedPipe", makeFifo},
    {"Socket", makeSocket},
    {"ZeroDevice", [](const QDir &) { return u"/dev/zero"_s; }},
    {"Directory", [](const QDir &dir) { return dir.path(); }},
    {"DanglingLink", [](const QDir &dir) { return makeLinkTo(dir, dir.filePath(u"gone.wmf"_s)); }},
    {"LinkToPipe", [](const QDir &dir) { return makeLinkTo(dir, makeFifo(dir)); }},
    {"Missing", [](const QDir &dir) { return dir.filePath(u"missing.gif"_s); }},
    {"EmptyPath", [](const QDir &) { return QString(); }},
};

class HostileEntryTest : public ::testing::TestWithParam<HostileEntry>
{
protected:
    // Runs open on its own thread, so that a blocking open fails the test
    // instead of hanging it: a writer opened on a pipe releases the reader.
    template<typename Result>
    Result withoutHanging(const QString &path, std::function<Result()> open)
    {
        std::future<Result> result = std::async(std::launch::async, std::move(open));
        if (result.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "blocked opening " << path.toStdString();
            const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        return result.get();
    }

    QTemporaryDir temporary;
    QDir dir{temporary.path()};
};

TEST_P(HostileEntryTest, IsNotOpened)
{
    const QString path = GetParam().make(dir);
    QFile file;
    EXPECT_FALSE(withoutHanging<bool>(path, [&] { return openRegularFile(file, path); }));
    EXPECT_FALSE(file.isOpen());
}

TEST_P(HostileEntryTest, IsNoPicture)
{
    const QString path = GetParam().make(dir);
    EXPECT_FALSE(withoutHanging<bool>(path, [&] { return loadPicture(path).has_value(); }));
}

INSTANTIATE_TEST_SUITE_P(Entries, HostileEntryTest, ::testing::ValuesIn(hostileEntries), RowName());

TEST(RegularFileTest, OpensAFileThroughALinkAndReadsIt)
{
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    QFile target(dir.filePath(u"notes.txt"_s));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("HDR linked\n");
    target.close();
    ASSERT_TRUE(QFile::link(target.fileName(), dir.filePath(u"link.txt"_s)));

    QFile file;
    ASSERT_TRUE(openRegularFile(file, dir.filePath(u"link.txt"_s)));
    EXPECT_EQ(file.size(), 11);
    // Reads block as usual once the file is known to be regular.
    EXPECT_EQ(file.readAll(), "HDR linked\n");
}

} // namespace
