// SPDX-License-Identifier: MIT
#include "input/AppendNote.h"
#include "tests/support/RowName.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct KeptCase
{
    const char *name;
    QStringList notes;
    QString kept;
};

class AppendNoteTest : public ::testing::TestWithParam<KeptCase>
{
};

TEST_P(AppendNoteTest, KeepsWhatTheCellCanPrint)
{
    DayNotes strNotes;
    for (const QString &note : GetParam().notes)
        EXPECT_TRUE(appendNote(strNotes, 4, note));
    EXPECT_EQ(strNotes[4], GetParam().kept);
    EXPECT_EQ(strNotes[3], QString());
}

const QString longNote(200000, u'x');

const KeptCase keptCases[] = {
    {"OneNote", {u"Dentist"_s}, u"Dentist"_s},
    {"SevenNotesAllKept", {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s}, u"a ^ b ^ c ^ d ^ e ^ f ^ g"_s},
    {"EighthNoteDroppedAfterItsBreak",
     {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s},
     u"a ^ b ^ c ^ d ^ e ^ f ^ g ^"_s},
    {"LaterNotesDropped",
     {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"i"_s, u"j"_s},
     u"a ^ b ^ c ^ d ^ e ^ f ^ g ^"_s},
    {"CaretsInsideANoteCount", {u"1 ^ 2 ^ 3 ^ 4 ^ 5 ^ 6 ^ 7 ^ 8 ^ 9"_s}, u"1 ^ 2 ^ 3 ^ 4 ^ 5 ^ 6 ^ 7 ^"_s},
    {"WordWithSeveralCaretsCountsOnce", {u"a^^b c^d^ e ^ f"_s, u"g"_s, u"h"_s}, u"a^^b c^d^ e ^ f ^ g ^ h"_s},
    {"SeventhWordCutAfterItsCaret", {u"1^ 2^ 3^ 4^ 5^ 6^ xy^zz more"_s}, u"1^ 2^ 3^ 4^ 5^ 6^ xy^"_s},
    {"EmptyNotesStillBreakLines",
     {u"a"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s},
     u"a"_s + NoteSeparator.repeated(7).chopped(1)},
    {"LongNoteWithoutCaretsKeptWhole", {longNote}, longNote},
    {"LongNotesKeptUpToTheBreak",
     {longNote, longNote, longNote, longNote, longNote, longNote, longNote, longNote},
     QStringList(7, longNote).join(u" ^ ") + u" ^"_s},
};

INSTANTIATE_TEST_SUITE_P(Notes, AppendNoteTest, ::testing::ValuesIn(keptCases), RowName());

TEST(AppendNoteEntryTest, DayOutsideTheTableStoresNothing)
{
    DayNotes strNotes;
    EXPECT_FALSE(appendNote(strNotes, -1, u"a"_s));
    EXPECT_FALSE(appendNote(strNotes, 31, u"a"_s));
    EXPECT_EQ(strNotes, DayNotes());
}

TEST(AppendNoteEntryTest, FullEntryIsOneWithSevenBreakingWords)
{
    EXPECT_FALSE(isFullEntry(u"a ^ b ^ c ^ d ^ e ^ f ^ g"));
    EXPECT_TRUE(isFullEntry(u"a ^ b ^ c ^ d ^ e ^ f ^ g ^"));
    EXPECT_FALSE(isFullEntry(u"^^^^^^^^"));
    EXPECT_TRUE(isFullEntry(u"^ ^ ^ ^ ^ ^ ^"));
}

} // namespace
