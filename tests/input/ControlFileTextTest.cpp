// SPDX-License-Identifier: MIT
#include "input/ControlFileText.h"
#include "tests/support/RowName.h"

#include <QRandomGenerator>
#include <QStringList>
#include <utility>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Utf8Case
{
    const char *name;
    QByteArray bytes;
    bool valid;
};

class Utf8ValidityTest : public ::testing::TestWithParam<Utf8Case>
{
};

TEST_P(Utf8ValidityTest, DecidesTheEncoding)
{
    EXPECT_EQ(ControlFileText::isValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8ValidityTest,
    ::testing::Values(Utf8Case{"Ascii", "HDR plain", true}, Utf8Case{"TwoBytes", "Caf\xC3\xA9", true},
                      Utf8Case{"ThreeBytes", "\xE2\x82\xAC", true}, Utf8Case{"FourBytes", "\xF0\x9F\x8C\xB7", true},
                      Utf8Case{"Latin1Byte", "Caf\xE9", false}, Utf8Case{"LoneContinuation", "\x80", false},
                      Utf8Case{"OverlongSlash", "\xC0\xAF", false}, Utf8Case{"OverlongThree", "\xE0\x80\xAF", false},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", false},
                      Utf8Case{"TruncatedAtEnd", "ok \xE2\x82", false},
                      Utf8Case{"LineEndInsideSequence", "\xE2\r\n\xAC", false}),
    RowName());

TEST(ControlFileTextTest, Windows1252MapsItsOwnPunctuation)
{
    EXPECT_EQ(ControlFileText::fromWindows1252("\x80\x93\x94\x99\xE9\x81"), u"\u20AC\u201C\u201D\u2122\u00E9\u0081");
}

TEST(ControlFileTextTest, LastLineWithoutEndIsRead)
{
    QStringList lines;
    const ControlFileText text("a\r\nb\n\nc");
    text.forEachLine([&](QByteArrayView line) { lines.append(text.decode(line)); });
    EXPECT_EQ(lines, (QStringList{u"a"_s, u"b"_s, QString(), u"c"_s}));
}

// Lines as the rule gives them: CR LF, LF or CR ends a line.
QList<QByteArray> linesByTheRule(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            line += bytes[i];
            continue;
        }
        lines.append(std::exchange(line, QByteArray()));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Line ends fall anywhere among control bytes, tabs and bytes close to CR
// and LF, within and across the words a line is searched by.
TEST(ControlFileTextTest, LinesEndWhereverTheirEndsFall)
{
    const char pieces[] = {'a', ' ', '\t', '\x01', '\x0B', '\x0C', '\x0E', '\x8D', '\x8A', '\r', '\n'};
    QRandomGenerator random(15);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        for (int n = random.bounded(0, 60); n > 0; --n)
            bytes += pieces[random.bounded(int(sizeof pieces))];
        const ControlFileText text(bytes);
        QList<QByteArray> lines;
        text.forEachLine([&](QByteArrayView line) { lines.append(line.toByteArray()); });
        ASSERT_EQ(lines, linesByTheRule(bytes)) << bytes.toHex().toStdString();
    }
}

} // namespace
