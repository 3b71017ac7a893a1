// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"
#include "tests/support/RowName.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Action = CommandLineOptions::Action;

CommandLineOptions parse(const QStringList &arguments)
{
    return parseCommandLine(QStringList{QStringLiteral("monthly-calendar")} + arguments);
}

struct ActionRow
{
    const char *name;
    QStringList arguments;
    Action action;
    // A word the refusal must hold; empty where the line is accepted.
    const char *refusal;
};

const ActionRow actionRows[] = {
    {"NothingOpensTheWindow", {}, Action::OpenWindow, ""},
    {"ControlFileOpensTheWindow", {"notes.txt"}, Action::OpenWindow, ""},
    {"Help", {"--help"}, Action::ShowHelp, ""},
    {"HelpShort", {"-h"}, Action::ShowHelp, ""},
    {"HelpAll", {"--help-all"}, Action::ShowHelp, ""},
    {"Version", {"--version"}, Action::ShowVersion, ""},
    {"HelpWinsOverPrint", {"--print", "--help"}, Action::ShowHelp, ""},
    {"Print", {"--print"}, Action::Print, ""},
    {"QtStyleOpensTheWindow", {"-style", "fusion"}, Action::OpenWindow, ""},
    {"QtOptionsBesidePrint", {"--print", "-platform", "offscreen", "--reverse", "-style=fusion"}, Action::Print, ""},
    {"PaperA5", {"--print", "--paper", "a5"}, Action::Print, ""},
    {"PaperPwgName", {"--print", "--paper", "na_letter_8.5x11in"}, Action::Print, ""},
    {"PaperUnknownListsTheNames", {"--print", "--paper", "quarto-ish"}, Action::Refuse, "a4, a5"},
    {"PaperEmpty", {"--print", "--paper", ""}, Action::Refuse, "--paper"},
    {"PaperSmallerThanA7", {"--print", "--paper", "custom_card_1x1mm"}, Action::Refuse, "--paper"},
    {"PaperAbsurd", {"--print", "--paper", "custom_wall_100x100in"}, Action::Refuse, "--paper"},
    {"PaperNeedsPrint", {"--paper", "a4"}, Action::Refuse, "needs --print"},
    {"ListPrinters", {"--list-printers"}, Action::ListPrinters, ""},
    {"WeekStartMonday", {"--print", "--week-start", "monday"}, Action::Print, ""},
    {"WeekStartInTheWindow", {"--week-start", "locale"}, Action::OpenWindow, ""},
    {"WeekStartUnknownListsTheNames", {"--week-start", "friday"}, Action::Refuse, "sunday, monday, locale"},
    {"UnknownOption", {"--colour", "red"}, Action::Refuse, "Unknown option 'colour'"},
    {"MissingValue", {"--print", "--year"}, Action::Refuse, "Missing value after '--year'"},
    {"FieldWithoutPrint", {"--header", "Club"}, Action::Refuse, "--header needs --print"},
    {"OutputWithoutPrint", {"--output", "a.pdf", "n.txt"}, Action::Refuse, "--output needs --print"},
    {"ListPrintersWithPrint", {"--list-printers", "--print"}, Action::Refuse, "--list-printers takes no"},
    {"ListPrintersWithFile", {"--list-printers", "n.txt"}, Action::Refuse, "--list-printers takes no"},
    {"YearNotANumber", {"--print", "--year", "20x7"}, Action::Refuse, "--year takes a year"},
    {"YearTooSmall", {"--print", "--year", "99"}, Action::Refuse, "--year takes a year"},
    {"YearTooLarge", {"--print", "--year", "10000"}, Action::Refuse, "--year takes a year"},
    {"YearNegative", {"--print", "--year", "-2027"}, Action::Refuse, "--year takes a year"},
    {"MonthZero", {"--print", "--month", "0"}, Action::Refuse, "--month takes a month"},
    {"MonthThirteen", {"--print", "--month", "13"}, Action::Refuse, "--month takes a month"},
    {"MonthFraction", {"--print", "--month", "2.5"}, Action::Refuse, "--month takes a month"},
    {"MonthsWithYear", {"--print", "--months", "2027-01..2027-02", "--year", "2027"}, Action::Refuse,
     "--months cannot be combined"},
    {"MonthsBackwards", {"--print", "--months", "2027-02..2027-01"}, Action::Refuse, "earlier month"},
    {"MonthsBadForm", {"--print", "--months", "2027-01-2027-12"}, Action::Refuse, "FROM..TO"},
    {"MonthsBadMonth", {"--print", "--months", "2027-00..2027-12"}, Action::Refuse, "months from 1 to 12"},
    {"MonthsTooMany", {"--print", "--months", "2000-01..2100-01"}, Action::Refuse, "at most 1200"},
    {"YearWithControlFile", {"--print", "--year", "2027", "n.txt"}, Action::Refuse, "only without a control"},
    {"SixLines", {"--print", "--line", "1", "--line", "2", "--line", "3", "--line", "4", "--line", "5", "--line", "6"},
     Action::Refuse, "at most 5"},
    {"FontUnknownKind", {"--print", "--font", "title=Arial"}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"FontWithoutFamily", {"--print", "--font", "month="}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"FontWithoutEquals", {"--print", "--font", "Arial"}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"CopiesZero", {"--print", "--copies", "0"}, Action::Refuse, "--copies takes"},
    {"CopiesTooMany", {"--print", "--copies", "1000"}, Action::Refuse, "--copies takes"},
    {"CopiesWord", {"--print", "--copies", "two"}, Action::Refuse, "--copies takes"},
    {"OutputNotPdf", {"--print", "--output", "calendar.png"}, Action::Refuse, "--output takes"},
    {"OutputOnlyExtension", {"--print", "--output", ".pdf"}, Action::Refuse, "--output takes"},
    {"OutputAndPrinter", {"--print", "--output", "a.pdf", "--printer", "Office"}, Action::Refuse,
     "cannot be combined"},
    {"ForceWithoutOutput", {"--print", "--force"}, Action::Refuse, "--force goes with --output"},
    {"EmptyPicture", {"--print", "--picture", ""}, Action::Refuse, "--picture needs"},
    {"EmptyPrinter", {"--print", "--printer="}, Action::Refuse, "--printer needs"},
    {"OutputUpperCaseExtension", {"--print", "--output", "Y.PDF"}, Action::Print, ""},
};

class CommandLineActionTest : public ::testing::TestWithParam<ActionRow>
{
};

TEST_P(CommandLineActionTest, DecidesWhatTheRunDoes)
{
    const ActionRow &row = GetParam();
    const CommandLineOptions options = parse(row.arguments);
    EXPECT_EQ(options.action, row.action) << options.usageError.toStdString();
    EXPECT_TRUE(options.usageError.contains(QString::fromUtf8(row.refusal))) << options.usageError.toStdString();
    EXPECT_EQ(options.usageError.isEmpty(), *row.refusal == '\0');
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineActionTest, ::testing::ValuesIn(actionRows), RowName());

struct MonthsRow
{
    const char *name;
    QStringList arguments;
    QList<YearMonth> months;
};

QList<YearMonth> monthsOf(int year)
{
    QList<YearMonth> months;
    for (int month = 1; month <= 12; ++month)
        months.append({year, month});
    return months;
}

const MonthsRow monthsRows[] = {
    {"WindowStartValues", {}, {{2003, 1}}},
    {"YearAndMonth", {"--year", "2027", "--month", "5"}, {{2027, 5}}},
    {"MonthAloneInTheStartYear", {"--month", "05"}, {{2003, 5}}},
    {"YearAloneIsTwelveMonths", {"--year", "2027"}, monthsOf(2027)},
    {"RangeOverNewYear", {"--months", "2027-11..2028-02"}, {{2027, 11}, {2027, 12}, {2028, 1}, {2028, 2}}},
    {"RangeOfOne", {"--months", "2027-6..2027-06"}, {{2027, 6}}},
    {"ControlFileNamesItsOwn", {"notes.txt"}, {}},
};

class CommandLineMonthsTest : public ::testing::TestWithParam<MonthsRow>
{
};

TEST_P(CommandLineMonthsTest, NamesOnePagePerMonth)
{
    const MonthsRow &row = GetParam();
    const CommandLineOptions options = parse(QStringList{QStringLiteral("--print")} + row.arguments);
    ASSERT_EQ(options.action, Action::Print) << options.usageError.toStdString();
    EXPECT_EQ(options.months, row.months);
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineMonthsTest, ::testing::ValuesIn(monthsRows), RowName());

TEST(CommandLineTest, FieldsAreKeptAsGivenAndInOrder)
{
    const CommandLineOptions options = parse({"--print", "a.txt", "b.txt", "--header", " Garden Club ", "--line",
                                              "first", "--line", "", "--line", "third", "--message", "Hello",
                                              "--picture", "tulips.jpg", "--font", "header=Liberation Serif",
                                              "--font", "calendar = DejaVu Sans", "--copies", "3", "--output",
                                              "out.pdf", "--force"});
    ASSERT_EQ(options.action, Action::Print) << options.usageError.toStdString();
    EXPECT_EQ(options.controlFiles, QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(options.header, QStringLiteral(" Garden Club "));
    EXPECT_EQ(options.lines, QStringList({"first", "", "third"}));
    EXPECT_EQ(options.message, QStringLiteral("Hello"));
    EXPECT_EQ(options.picture, QStringLiteral("tulips.jpg"));
    ASSERT_EQ(options.fonts.size(), 2);
    EXPECT_EQ(options.fonts[0].first, &PageFonts::strHdrFont);
    EXPECT_EQ(options.fonts[0].second, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(options.fonts[1].first, &PageFonts::strCalFont);
    EXPECT_EQ(options.fonts[1].second, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(options.copies, 3);
    EXPECT_EQ(options.output, QStringLiteral("out.pdf"));
    EXPECT_TRUE(options.force);
}

TEST(CommandLineTest, FieldsNotGivenLeaveTheControlFilesAlone)
{
    const CommandLineOptions options = parse({"--print", "a.txt"});
    EXPECT_FALSE(options.header);
    EXPECT_FALSE(options.lines);
    EXPECT_FALSE(options.message);
    EXPECT_FALSE(options.copies);
    EXPECT_TRUE(options.fonts.isEmpty());
}

TEST(CommandLineTest, HelpNamesEveryOptionAndTheExitStatuses)
{
    const QString help = commandLineHelp();
    for (const char *option : {"--print", "--list-printers", "--year", "--month", "--months", "--header", "--line",
                               "--message", "--picture", "--font", "--copies", "--output", "--force", "--printer",
                               "--paper", "--week-start", "--version", "CONTROL-FILE"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(help.contains(QStringLiteral("3 the page could not be made or printed")));
    EXPECT_FALSE(help.contains(QStringLiteral("-style")));
    const QString all = commandLineHelp(true);
    for (const char *option : {"-platform NAME", "-style NAME", "-reverse", "-qwindowgeometry"})
        EXPECT_TRUE(all.contains(QLatin1String(option))) << option;
}

TEST(CommandLineTest, ManualPageDescribesEveryOptionOfTheHelp)
{
    QFile manual(QStringLiteral(MANUAL_PAGE));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    // roff writes the dashes of options as \-.
    const QString page = QString::fromUtf8(manual.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QRegularExpression option(QStringLiteral("--[a-z-]+"));
    int options = 0;
    for (const QRegularExpressionMatch &match : option.globalMatch(commandLineHelp())) {
        if (match.captured() == QStringLiteral("--help-all"))
            continue;
        ++options;
        const QRegularExpression mentioned(QStringLiteral("(^|[^a-z-])%1([^a-z-]|$)").arg(match.captured()));
        EXPECT_TRUE(page.contains(mentioned))
            << match.captured().toStdString();
    }
    EXPECT_GE(options, 16);
}

} // namespace
