// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "tests/support/RowName.h"

#include "app/ControlFileWriter.h"

#include <QImage>

namespace {

struct RoundTripRow
{
    const char *name;
    CalendarPage page;
    bool picture = false;
};

CalendarPage pageOf(const QString &year, const QString &month, const QString &header,
                    const std::array<QString, 6> &lines, const std::vector<std::pair<int, QString>> &notes)
{
    CalendarPage page;
    page.txtYear = year;
    page.txtMonth = month;
    page.txtHeader = header;
    page.txtMessage = lines;
    for (const auto &[day, note] : notes)
        page.strNotes[day - 1] = note;
    return page;
}

class ControlFileRoundTripTest : public WindowFixture, public ::testing::WithParamInterface<RoundTripRow>
{
};

// Saved, then read into a fresh window: the same page, field by field.
TEST_P(ControlFileRoundTripTest, ReadsBackAsTheSamePage)
{
    CalendarPage page = GetParam().page;
    if (GetParam().picture) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(workPath(QStringLiteral("sun gold.bmp"))));
        page.picture.setFilePath(workPath(QStringLiteral("sun gold.bmp")));
        page.binSelPic = true;
    }
    const QString path = workPath(QStringLiteral("page.txt"));
    ASSERT_EQ(ControlFileWriter::write(path, page), std::nullopt);

    m_window->openFiles({path});

    const CalendarPage &read = m_window->page();
    EXPECT_EQ(read.txtYear, page.txtYear);
    EXPECT_EQ(read.txtMonth, page.txtMonth);
    EXPECT_EQ(read.txtHeader, page.txtHeader);
    EXPECT_EQ(read.txtMessage, page.txtMessage);
    EXPECT_EQ(read.strNotes, page.strNotes);
    EXPECT_EQ(read.binSelPic, page.binSelPic);
    EXPECT_EQ(read.picture.filePath(), page.picture.filePath());
    EXPECT_TRUE(m_boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ControlFileRoundTripTest,
    ::testing::Values(
        RoundTripRow{"EveryField",
                     pageOf("2027", "03", "The Smiths, 2027", {"12 Elm Road", "Springfield", "IL 62704", "USA", "555-0100", "Happy Spring"},
                            {{1, "New Year ^ Brunch"}, {15, "Lunch^12:00 with Ann"}, {31, "Last day"}})},
        RoundTripRow{"SeveralScripts",
                     pageOf("2026", "12", "Ελληνικά καλάντα", {"日本語の行", "עברית", QString(), QString(), QString(), "Привет, мир"},
                            {{2, "Ünïcödé ^ 中文 ^ العربية"}, {24, "🎄 Eve"}})},
        RoundTripRow{"NotesThatKeepTheirBlanks",
                     pageOf("2025", "7", QString(), {}, {{9, "  indented"}, {10, "a ^  ^ b"}, {11, "^ caret first"}})},
        RoundTripRow{"Picture", pageOf("2030", "1", "With a picture", {}, {}), true}),
    RowName());

} // namespace
