// SPDX-License-Identifier: MIT
#include "NotesFileFixture.h"
#include "tests/support/RowName.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a file changes, seen from the fields the reader writes.
struct Fields
{
    QString header;
    std::array<QString, 6> message;
    QString year;
    QString month;
    DayNotes notes;
    // The pixel size of the selected picture, empty while none is.
    QSize picture;

    friend bool operator==(const Fields &, const Fields &) = default;
};

class ReadNotesFileTest : public NotesFileFixture
{
protected:
    Fields fields() const
    {
        const QSize picture = page.binSelPic ? (page.picture.sizeTwips() / 15).toSize() : QSize();
        return {txtHeader, txtMessage, txtYear, txtMonth, strNotes, picture};
    }
};

// The worked example for March 2004: each row reads the file up to and
// including its line and looks at what that line wrote.
struct ExampleStep
{
    const char *name;
    int lines;
    std::function<QString(const Fields &)> field;
    const char *expected;
};

const char *const exampleLines[] = {
    "YER 2004",
    "MON 3",
    "HDR Garden Club Calendar",
    "NOT Meetings at the hall",
    "NOT Bring a plate",
    "MSG Happy Spring",
    "DAY 17 Planting day",
    "BIR 3/17/1950 Grandfather",
    "DTM 2 3 Committee",
    "PIC %1/tulips in spring.jpg",
};

class WorkedExampleTest : public ReadNotesFileTest, public ::testing::WithParamInterface<ExampleStep>
{
};

TEST_P(WorkedExampleTest, LineHasItsEffect)
{
    txtYear = u"1999"_s;
    txtMonth = u"7"_s;
    writePicture(u"tulips in spring.jpg"_s, QSize(48, 36));
    QByteArray file;
    for (int line = 0; line < GetParam().lines; ++line)
        file += QString::fromLatin1(exampleLines[line]).arg(dir.path()).toUtf8() + "\r\n";
    readText(file);
    EXPECT_EQ(GetParam().field(fields()), QString::fromUtf8(GetParam().expected));
    EXPECT_TRUE(refusals.empty());
}

INSTANTIATE_TEST_SUITE_P(
    March2004, WorkedExampleTest,
    ::testing::Values(
        ExampleStep{"YearLine", 1, [](const Fields &f) { return f.year; }, "2004"},
        ExampleStep{"MonthLine", 2, [](const Fields &f) { return f.month; }, "3"},
        ExampleStep{"HeaderLine", 3, [](const Fields &f) { return f.header; }, "Garden Club Calendar"},
        ExampleStep{"FirstNotesLine", 4, [](const Fields &f) { return f.message[0]; }, "Meetings at the hall"},
        ExampleStep{"SecondNotesLine", 5, [](const Fields &f) { return f.message[1]; }, "Bring a plate"},
        ExampleStep{"MessageLine", 6, [](const Fields &f) { return f.message[5]; }, "Happy Spring"},
        ExampleStep{"DayLine", 7, [](const Fields &f) { return f.notes[16]; }, "Planting day"},
        ExampleStep{"BirthdayLine", 8, [](const Fields &f) { return f.notes[16]; },
                    "Planting day ^ Grandfather is  54"},
        ExampleStep{"RuleDatedLine", 9, [](const Fields &f) { return f.notes[8]; }, "Committee"},
        ExampleStep{"PictureLine", 10,
                    [](const Fields &f) { return u"%1x%2"_s.arg(f.picture.width()).arg(f.picture.height()); },
                    "48x36"}),
    RowName());

TEST_F(ReadNotesFileTest, WorkedExampleWritesNothingElse)
{
    readText("YER 2004\r\nMON 3\r\nHDR Garden Club Calendar\r\nNOT Meetings at the hall\r\nNOT Bring a plate\r\n"
             "MSG Happy Spring\r\nDAY 17 Planting day\r\nBIR 3/17/1950 Grandfather\r\nDTM 2 3 Committee\r\n");
    DayNotes expected;
    expected[16] = u"Planting day ^ Grandfather is  54"_s;
    expected[8] = u"Committee"_s;
    EXPECT_EQ(strNotes, expected);
    EXPECT_EQ(txtMessage[2], u"");
    EXPECT_EQ(txtMessage[4], u"");
}

TEST_F(ReadNotesFileTest, TagsIgnoreCaseAndNeedNoSpace)
{
    readText("not first\nNOT second\nNotes third\n");
    EXPECT_EQ(txtMessage[0], u"first");
    EXPECT_EQ(txtMessage[1], u"second");
    EXPECT_EQ(txtMessage[2], u"third");
}

TEST_F(ReadNotesFileTest, OnlyAsciiLettersSpellATag)
{
    readText("p\xC4\xB1"
             "c /pictures/a.jpg\nhdr \xC5\xBF"
             "een\nm\xC5\xBF"
             "g no\n");
    EXPECT_FALSE(page.binSelPic);
    EXPECT_EQ(txtHeader, u"ſeen");
    EXPECT_EQ(txtMessage[5], u"");
}

TEST_F(ReadNotesFileTest, SevenNotesLinesFillFive)
{
    txtMessage[5] = u"kept"_s;
    readText("NOT 1\nNOT 2\nNOT 3\nNOT 4\nNOT 5\nNOT 6\nNOT 7\n");
    EXPECT_EQ(txtMessage, (std::array<QString, 6>{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"kept"_s}));
}

TEST_F(ReadNotesFileTest, NotesLineCountStartsAgainOnEveryRead)
{
    readText("NOT a\nNOT b\n");
    readText("NOT c\n");
    EXPECT_EQ(txtMessage[0], u"c");
    EXPECT_EQ(txtMessage[1], u"b");
}

TEST_F(ReadNotesFileTest, LineOfOnlyTheTagIsItsOwnValue)
{
    readText("HDR\n");
    EXPECT_EQ(txtHeader, u"HDR");
}

TEST_F(ReadNotesFileTest, ValueIsTrimmedAndKeepsInnerSpaces)
{
    readText("   MSG    Happy   Spring   \n");
    EXPECT_EQ(txtMessage[5], u"Happy   Spring");
}

TEST_F(ReadNotesFileTest, TabIsOrdinaryText)
{
    readText("\tHDR tabbed\nHDR\tx\n");
    EXPECT_EQ(txtHeader, u"HDR\tx");
}

TEST_F(ReadNotesFileTest, LaterHeaderAndMessageReplaceEarlier)
{
    readText("HDR one\nMSG one\nHDR two\nMSG two\n");
    EXPECT_EQ(txtHeader, u"two");
    EXPECT_EQ(txtMessage[5], u"two");
}

struct FieldRangeCase
{
    const char *name;
    const char *line;
    const char *expectedYear;
    const char *expectedMonth;
};

class FieldRangeTest : public ReadNotesFileTest, public ::testing::WithParamInterface<FieldRangeCase>
{
};

TEST_P(FieldRangeTest, TakesOnlyValuesInRange)
{
    txtYear = u"2004"_s;
    txtMonth = u"3"_s;
    readText(QByteArray(GetParam().line) + "\n");
    EXPECT_EQ(txtYear, QString::fromUtf8(GetParam().expectedYear));
    EXPECT_EQ(txtMonth, QString::fromUtf8(GetParam().expectedMonth));
}

const FieldRangeCase fieldRangeCases[] = {
    {"Year1900Skipped", "YER 1900", "2004", "3"},
    {"Year1901Taken", "YER 1901", "1901", "3"},
    {"Year2499Taken", "YER 2499", "2499", "3"},
    {"Year2500Skipped", "YER 2500", "2004", "3"},
    {"YearNotANumberSkipped", "YER soon", "2004", "3"},
    {"YearKeptAsWritten", "YER 2010.0", "2010.0", "3"},
    {"YearTagAloneSkipped", "YER", "2004", "3"},
    {"Month0Skipped", "MON 0", "2004", "3"},
    {"Month1Taken", "MON 1", "2004", "1"},
    {"Month12Taken", "MON 12", "2004", "12"},
    {"Month13Skipped", "MON 13", "2004", "3"},
    {"MonthKeepsLeadingZero", "MON 07", "2004", "07"},
    {"MonthNegativeSkipped", "MON -4", "2004", "3"},
    {"MonthRoundingTo13Skipped", "MON 12.9", "2004", "3"},
    {"MonthHalfRoundingTo12Taken", "MON 12.5", "2004", "12.5"},
    {"MonthHalfRoundingTo0Skipped", "MON 0.5", "2004", "3"},
    {"MonthRoundingTo1Taken", "MON 0.6", "2004", "0.6"},
};

INSTANTIATE_TEST_SUITE_P(YearAndMonth, FieldRangeTest, ::testing::ValuesIn(fieldRangeCases),
                         RowName());

// One line's effect on the notes table: the day that gets the note, or 0
// when the line is skipped.
struct NoteLineCase
{
    const char *name;
    const char *line;
    int expectedDay;
    const char *expectedNote;
};

class NoteLineTest : public ReadNotesFileTest, public ::testing::WithParamInterface<NoteLineCase>
{
};

TEST_P(NoteLineTest, NotesTheDayOrSkips)
{
    txtYear = u"2004"_s;
    txtMonth = u"3"_s;
    readText(QByteArray(GetParam().line) + "\r\n");
    DayNotes expected;
    if (GetParam().expectedDay > 0)
        expected[GetParam().expectedDay - 1] = QString::fromUtf8(GetParam().expectedNote);
    EXPECT_EQ(strNotes, expected);
    EXPECT_EQ(txtYear, u"2004");
    EXPECT_EQ(txtMonth, u"3");
    EXPECT_TRUE(refusals.empty());
}

const NoteLineCase dayCases[] = {
    {"Day1", "DAY 1 New moon", 1, "New moon"},
    {"Day31InShortMonth", "DAY 31 Last", 31, "Last"},
    {"Day32Skipped", "DAY 32 Too late", 0, ""},
    {"DayZeroSkipped", "DAY 0 None", 0, ""},
    {"DayRoundingToZeroSkipped", "DAY 0.4 None", 0, ""},
    {"DayRoundingTo32Skipped", "DAY 31.6 None", 0, ""},
    {"DayRoundingTo31Taken", "DAY 31.4 Last", 31, "Last"},
    {"DayNegativeSkipped", "DAY -3 None", 0, ""},
    {"DayOverflowSkipped", "DAY -99999 None", 0, ""},
    {"DayNotANumberSkipped", "DAY soon None", 0, ""},
    {"DayWithoutNoteSkipped", "DAY 17", 0, ""},
    {"DayNoteKeepsInnerSpaces", "DAY 5 Tea  at  four", 5, "Tea  at  four"},
    {"DayNumberWithLetters", "DAY 5th Tea", 5, "Tea"},
};

INSTANTIATE_TEST_SUITE_P(DayLines, NoteLineTest, ::testing::ValuesIn(dayCases),
                         RowName());

const NoteLineCase birthdayCases[] = {
    {"Born1851Taken", "BIR 6/2/1851 Ancestor", 2, "Ancestor is  153"},
    {"Born1850Skipped", "BIR 6/2/1850 Ancestor", 0, ""},
    {"BornInThePagesYearSkipped", "BIR 1/5/2004 Baby", 0, ""},
    {"BornTheYearBeforeThePageTaken", "BIR 1/5/2003 Baby", 5, "Baby is  1"},
    {"BornAfterThePageBeforeTodaySkipped", "BIR 1/5/2025 Baby", 0, ""},
    {"OtherMonthLandsOnItsDay", "BIR 12/25/1960 Uncle Joe", 25, "Uncle Joe is  44"},
    {"NameTrimmed", "BIR 3/17/1950    Gran   ", 17, "Gran is  54"},
    {"NoYearIsThisYearSkipped", "BIR 3/17 Gran", 0, ""},
    {"DayFirstDateSkippedUnderUs", "BIR 17/3/1950 Gran", 0, ""},
    {"NotADateSkipped", "BIR someday Gran", 0, ""},
    {"NegativeYearSkipped", "BIR 1/1/-5 Gran", 0, ""},
    {"NameMissingSkipped", "BIR 3/17/1950", 0, ""},
    {"IsoDate", "BIR 1950-03-17 Gran", 17, "Gran is  54"},
    {"TwoDigitYear", "BIR 3/17/50 Gran", 17, "Gran is  54"},
};

INSTANTIATE_TEST_SUITE_P(BirthdayLines, NoteLineTest, ::testing::ValuesIn(birthdayCases),
                         RowName());

// March 2004 begins on a Monday.
const NoteLineCase ruleDatedCases[] = {
    {"SecondTuesday", "DTM 2 3 Committee", 9, "Committee"},
    {"NoteTrimmed", "DTM 1 2    Market  day  ", 1, "Market  day"},
    {"WeekdayZeroIsSaturday", "DTM 1 0 Market", 6, "Market"},
    {"Occurrence5Skipped", "DTM 5 2 Never", 0, ""},
    {"OccurrenceBelowFiveRoundsToFifth", "DTM 4.6 2 Fifth", 29, "Fifth"},
    {"OccurrenceZeroSkipped", "DTM 0 2 Never", 0, ""},
    {"OccurrenceRoundingToZeroSkipped", "DTM 0.4 2 Never", 0, ""},
    {"OccurrenceNegativeSkipped", "DTM -1 2 Never", 0, ""},
    {"Weekday8Skipped", "DTM 1 8 Never", 0, ""},
    {"WeekdayNegativeSkipped", "DTM 1 -1 Never", 0, ""},
    {"WeekdayOverflowSkipped", "DTM 1 99999 Never", 0, ""},
    {"OccurrenceOverflowSkipped", "DTM -99999 2 Never", 0, ""},
    {"NoteMissingSkipped", "DTM 1 2", 0, ""},
    {"WeekdayMissingSkipped", "DTM 1", 0, ""},
};

INSTANTIATE_TEST_SUITE_P(RuleDatedLines, NoteLineTest, ::testing::ValuesIn(ruleDatedCases),
                         RowName());

// Today is 8 December 2026: the age is the one reached in the page's year,
// whichever side of today it lies, read from the year box as it stands.
TEST_F(ReadNotesFileTest, BirthdayAgeIsReachedInThePagesYear)
{
    const struct
    {
        const char *name;
        const char *year;
        const char *note;
    } rows[] = {
        {"PastPage", "2004", "Gran is  54"},      {"ThisYear", "2026", "Gran is  76"},
        {"JanuaryNextYear", "2027", "Gran is  77"}, {"FarFuture", "2090", "Gran is  140"},
        {"TwoDigitYear", "27", "Gran is  77"},    {"BirthYear", "1950", ""},
        {"BeforeBirth", "1901", ""},              {"YearNotPrintable", "12345", ""},
    };
    for (const auto &row : rows) {
        strNotes = DayNotes();
        txtYear = QString::fromLatin1(row.year);
        readText("BIR 3/17/1950 Gran\n");
        EXPECT_EQ(strNotes[16], QString::fromLatin1(row.note)) << row.name;
    }
}

TEST_F(ReadNotesFileTest, BirthdayAgeFollowsAYearLineBeforeIt)
{
    readText("BIR 3/17/1950 Early\nYER 2030\nBIR 3/17/1950 Late\n");
    EXPECT_EQ(strNotes[16], u"Early is  54 ^ Late is  80");
}

TEST_F(ReadNotesFileTest, BirthdayDatesFollowTheLocale)
{
    locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    readText("BIR 17/3/1950 Gran\nBIR 3/17/1950 Skipped\nBIR 4/12/1980 Aunt\n");
    DayNotes expected;
    expected[16] = u"Gran is  54"_s;
    expected[3] = u"Aunt is  24"_s;
    EXPECT_EQ(strNotes, expected);
}

TEST_F(ReadNotesFileTest, NotesOfOneDayJoinInFileOrder)
{
    readText("DAY 14 first\nDAY 14 second\nDTM 2 1 third\n");
    EXPECT_EQ(strNotes[13], u"first ^ second ^ third");
}

TEST_F(ReadNotesFileTest, RuleDatedLineUsesTheMonthShownWhenRead)
{
    txtYear = u"2004"_s;
    txtMonth = u"2"_s;
    // 1 February 2004 is a Sunday, 1 March a Monday.
    readText("DTM 1 2 Early\nMON 3\nDTM 1 2 Late\n");
    EXPECT_EQ(strNotes[1], u"Early");
    EXPECT_EQ(strNotes[0], u"Late");
}

TEST_F(ReadNotesFileTest, RuleDatedLineWithMonthOutOfRangeStoresNothing)
{
    txtMonth = u"July"_s;
    readText("DTM 1 2 Never\n");
    EXPECT_EQ(strNotes, DayNotes());
}

TEST_F(ReadNotesFileTest, SameFileTwiceDoublesEveryNote)
{
    const QString path = writeFile(u"twice.txt"_s, "DAY 3 Bins\nBIR 3/17/1950 Gran\nDTM 1 7 Market\n");
    read(path);
    read(path);
    EXPECT_EQ(strNotes[2], u"Bins ^ Bins");
    EXPECT_EQ(strNotes[16], u"Gran is  54 ^ Gran is  54");
    EXPECT_EQ(strNotes[5], u"Market ^ Market");
}

// A cell prints seven lines at most, and every note after the first starts
// a line of its own: what could never print is not kept.
TEST_F(ReadNotesFileTest, DayKeepsWhatItsCellCanPrint)
{
    readText("DAY 9 one\nDAY 9 two\nBIR 3/9/1950 Gran\nDTM 2 3 Committee\nDAY 9 five\nDAY 9 six\n"
             "DAY 9 seven\nDAY 9 eight\nDAY 9 nine\nDAY 10 other\n");
    const QString kept = u"one ^ two ^ Gran is  54 ^ Committee ^ five ^ six ^ seven ^"_s;
    EXPECT_EQ(strNotes[8], kept);
    EXPECT_EQ(strNotes[9], u"other");
    readText("DAY 9 again\n");
    EXPECT_EQ(strNotes[8], kept);
}

TEST_F(ReadNotesFileTest, SameFileTwiceFillsTheCellAsOneFileWould)
{
    const QString path = writeFile(u"twice.txt"_s, "DAY 3 a\nDAY 3 b\nDAY 3 c\nDAY 3 d\nDAY 3 e\n");
    read(path);
    read(path);
    EXPECT_EQ(strNotes[2], u"a ^ b ^ c ^ d ^ e ^ a ^ b ^"_s);
}

TEST_F(ReadNotesFileTest, LongNoteIsKeptWhole)
{
    const QByteArray word(100000, 'w');
    readText("DAY 5 " + word + " \xC3\xA9nd  \r\nDAY 6 " + word + "\r\n");
    EXPECT_EQ(strNotes[4], QString::fromLatin1(word) + u" \u00E9nd"_s);
    EXPECT_EQ(strNotes[5], QString::fromLatin1(word));
}

TEST_F(ReadNotesFileTest, PictureLinesLoadTheirPictureAndReadingGoesOn)
{
    const QString first = writePicture(u"first.jpg"_s, QSize(30, 20));
    const QString second = writePicture(u"second.bmp"_s, QSize(40, 10));
    readText("PIC " + first.toUtf8() + "\nPIC " + second.toUtf8() + "\nHDR after\n");
    EXPECT_EQ(fields().picture, QSize(40, 10));
    EXPECT_EQ(txtHeader, u"after");
}

TEST_F(ReadNotesFileTest, PictureThatCannotBeLoadedKeepsTheOneBefore)
{
    const QString first = writePicture(u"first.bmp"_s, QSize(30, 20));
    const QString missing = dir.filePath(u"missing.jpg"_s);
    readText("PIC " + first.toUtf8() + "\nPIC " + missing.toUtf8() + "\n");
    EXPECT_EQ(fields().picture, QSize(30, 20));
    EXPECT_EQ(refusals, (std::vector<Refusal>{{Refusal::Subject::Picture, Refusal::Reason::Unreadable, missing, {}}}));
}

struct RefusedPathCase
{
    const char *name;
    const char *path;
    Refusal::Reason reason;
};

class RefusedPathTest : public ReadNotesFileTest, public ::testing::WithParamInterface<RefusedPathCase>
{
};

TEST_P(RefusedPathTest, IsRefusedAndNothingIsRead)
{
    writeFile(u"NOTES.TXT"_s, "HDR read\n");
    const Fields before = fields();
    const QString path = QString::fromUtf8(GetParam().path);
    const QString given = path.startsWith(u'/') || path.size() <= 1 ? path : dir.filePath(path);
    read(given);
    EXPECT_EQ(fields(), before);
    EXPECT_EQ(refusals, (std::vector<Refusal>{{Refusal::Subject::ControlFile, GetParam().reason, given, {}}}));
}

const RefusedPathCase refusedPathCases[] = {
    {"UpperCaseExtension", "NOTES.TXT", Refusal::Reason::NotControlFileName},
    {"OtherExtension", "notes.csv", Refusal::Reason::NotControlFileName},
    {"Empty", "", Refusal::Reason::NotControlFileName},
    {"OneCharacter", "t", Refusal::Reason::NotControlFileName},
    {"Missing", "/nonexistent/notes.txt", Refusal::Reason::Unreadable},
    {"Folder", "/tmp/..txt/../", Refusal::Reason::NotControlFileName},
};

INSTANTIATE_TEST_SUITE_P(Paths, RefusedPathTest, ::testing::ValuesIn(refusedPathCases),
                         RowName());

TEST_F(ReadNotesFileTest, FolderNamedLikeATextFileCannotBeRead)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.txt"_s));
    read(dir.filePath(u"folder.txt"_s));
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].reason, Refusal::Reason::Unreadable);
}

TEST_F(ReadNotesFileTest, FileBeyond64MegabytesCannotBeRead)
{
    const QString path = writeFile(u"huge.txt"_s, "HDR read\n");
    ASSERT_TRUE(QFile::resize(path, 64 * 1024 * 1024 + 1));
    read(path);
    EXPECT_EQ(txtHeader, u"");
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].reason, Refusal::Reason::Unreadable);
}

TEST_F(ReadNotesFileTest, BlankAndCommentLinesChangeNothing)
{
    txtHeader = u"kept"_s;
    strNotes[3] = u"kept"_s;
    const Fields before = fields();
    readText("\r\n   \r\n' a comment\r\n# another\r\nREM DAY 4 no\r\nHD\r\nH\r\nX\r\n\r\n");
    EXPECT_EQ(fields(), before);
    EXPECT_TRUE(refusals.empty());
    EXPECT_FALSE(page.binSelPic);
}

TEST_F(ReadNotesFileTest, EmptyFileChangesNothing)
{
    const Fields before = fields();
    readText("");
    EXPECT_EQ(fields(), before);
    EXPECT_TRUE(refusals.empty());
}

struct EncodingCase
{
    const char *name;
    QByteArray contents;
};

// The test text with its byte-order mark, as editors save "Unicode".
QByteArray withMark(QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(u"HDR Fête\r\nMON 5\r\nDAY 17 Café\r\nDAY 1 Crème brûlée – €5\r\n"_s);
}

class LineEndAndEncodingTest : public ReadNotesFileTest, public ::testing::WithParamInterface<EncodingCase>
{
};

TEST_P(LineEndAndEncodingTest, GivesTheSameResult)
{
    readText(GetParam().contents);
    DayNotes expected;
    expected[16] = u"Café"_s;
    expected[0] = u"Crème brûlée – €5"_s;
    EXPECT_EQ(txtHeader, u"Fête");
    EXPECT_EQ(txtMonth, u"5");
    EXPECT_EQ(strNotes, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEndAndEncodingTest,
    ::testing::Values(
        EncodingCase{"Utf8CrLf", "HDR F\xC3\xAAte\r\nMON 5\r\nDAY 17 Caf\xC3\xA9\r\nDAY 1 Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
                                 "e \xE2\x80\x93 \xE2\x82\xAC"
                                 "5\r\n"},
        EncodingCase{"Utf8Lf", "HDR F\xC3\xAAte\nMON 5\nDAY 17 Caf\xC3\xA9\nDAY 1 Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
                               "e \xE2\x80\x93 \xE2\x82\xAC"
                               "5"},
        EncodingCase{"Utf8CrWithMark", "\xEF\xBB\xBFHDR F\xC3\xAAte\rMON 5\rDAY 17 Caf\xC3\xA9\rDAY 1 Cr\xC3\xA8me "
                                       "br\xC3\xBBl\xC3\xA9"
                                       "e \xE2\x80\x93 \xE2\x82\xAC"
                                       "5\r"},
        EncodingCase{"Windows1252CrLf", "HDR F\xEAte\r\nMON 5\r\nDAY 17 Caf\xE9\r\nDAY 1 Cr\xE8me br\xFBl\xE9"
                                        "e \x96 \x80"
                                        "5\r\n"},
        EncodingCase{"Windows1252Lf", "HDR F\xEAte\nMON 5\nDAY 17 Caf\xE9\nDAY 1 Cr\xE8me br\xFBl\xE9"
                                      "e \x96 \x80"
                                      "5\n"},
        EncodingCase{"Utf16LittleEndian", withMark(QStringConverter::Utf16LE)},
        EncodingCase{"Utf16BigEndian", withMark(QStringConverter::Utf16BE)},
        EncodingCase{"Utf32LittleEndian", withMark(QStringConverter::Utf32LE)},
        EncodingCase{"Utf32BigEndian", withMark(QStringConverter::Utf32BE)}),
    RowName());

TEST_F(ReadNotesFileTest, BlankLinesBetweenLineEndsAreSkipped)
{
    readText("NOT a\r\n\r\n\n\rNOT b\n");
    EXPECT_EQ(txtMessage[0], u"a");
    EXPECT_EQ(txtMessage[1], u"b");
    EXPECT_EQ(txtMessage[2], u"");
}

} // namespace
