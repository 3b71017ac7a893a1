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
    {"nothing_opens_the_window", {}, Action::OpenWindow, ""},
    {"control_file_opens_the_window", {"notes.txt"}, Action::OpenWindow, ""},
    {"help", {"--help"}, Action::ShowHelp, ""},
    {"help_short", {"-h"}, Action::ShowHelp, ""},
    {"help_all", {"--help-all"}, Action::ShowHelp, ""},
    {"version", {"--version"}, Action::ShowVersion, ""},
    {"help_wins_over_print", {"--print", "--help"}, Action::ShowHelp, ""},
    {"print", {"--print"}, Action::Print, ""},
    {"qt_style_opens_the_window", {"-style", "fusion"}, Action::OpenWindow, ""},
    {"qt_options_beside_print", {"--print", "-platform", "offscreen", "--reverse", "-style=fusion"}, Action::Print, ""},
    {"paper_a5", {"--print", "--paper", "a5"}, Action::Print, ""},
    {"paper_pwg_name", {"--print", "--paper", "na_letter_8.5x11in"}, Action::Print, ""},
    {"paper_unknown_lists_the_names", {"--print", "--paper", "quarto-ish"}, Action::Refuse, "a4, a5"},
    {"paper_empty", {"--print", "--paper", ""}, Action::Refuse, "--paper"},
    {"paper_smaller_than_a7", {"--print", "--paper", "custom_card_1x1mm"}, Action::Refuse, "--paper"},
    {"paper_absurd", {"--print", "--paper", "custom_wall_100x100in"}, Action::Refuse, "--paper"},
    {"paper_needs_print", {"--paper", "a4"}, Action::Refuse, "needs --print"},
    {"list_printers", {"--list-printers"}, Action::ListPrinters, ""},
    {"week_start_monday", {"--print", "--week-start", "monday"}, Action::Print, ""},
    {"week_start_in_the_window", {"--week-start", "locale"}, Action::OpenWindow, ""},
    {"week_start_unknown_lists_the_names", {"--week-start", "friday"}, Action::Refuse, "sunday, monday, locale"},
    {"unknown_option", {"--colour", "red"}, Action::Refuse, "Unknown option 'colour'"},
    {"missing_value", {"--print", "--year"}, Action::Refuse, "Missing value after '--year'"},
    {"field_without_print", {"--header", "Club"}, Action::Refuse, "--header needs --print"},
    {"output_without_print", {"--output", "a.pdf", "n.txt"}, Action::Refuse, "--output needs --print"},
    {"list_printers_with_print", {"--list-printers", "--print"}, Action::Refuse, "--list-printers takes no"},
    {"list_printers_with_file", {"--list-printers", "n.txt"}, Action::Refuse, "--list-printers takes no"},
    {"year_not_a_number", {"--print", "--year", "20x7"}, Action::Refuse, "--year takes a year"},
    {"year_too_small", {"--print", "--year", "99"}, Action::Refuse, "--year takes a year"},
    {"year_too_large", {"--print", "--year", "10000"}, Action::Refuse, "--year takes a year"},
    {"year_negative", {"--print", "--year", "-2027"}, Action::Refuse, "--year takes a year"},
    {"month_zero", {"--print", "--month", "0"}, Action::Refuse, "--month takes a month"},
    {"month_thirteen", {"--print", "--month", "13"}, Action::Refuse, "--month takes a month"},
    {"month_fraction", {"--print", "--month", "2.5"}, Action::Refuse, "--month takes a month"},
    {"months_with_year", {"--print", "--months", "2027-01..2027-02", "--year", "2027"}, Action::Refuse,
     "--months cannot be combined"},
    {"months_backwards", {"--print", "--months", "2027-02..2027-01"}, Action::Refuse, "earlier month"},
    {"months_bad_form", {"--print", "--months", "2027-01-2027-12"}, Action::Refuse, "FROM..TO"},
    {"months_bad_month", {"--print", "--months", "2027-00..2027-12"}, Action::Refuse, "months from 1 to 12"},
    {"months_too_many", {"--print", "--months", "2000-01..2100-01"}, Action::Refuse, "at most 1200"},
    {"year_with_control_file", {"--print", "--year", "2027", "n.txt"}, Action::Refuse, "only without a control"},
    {"six_lines", {"--print", "--line", "1", "--line", "2", "--line", "3", "--line", "4", "--line", "5", "--line", "6"},
     Action::Refuse, "at most 5"},
    {"font_unknown_kind", {"--print", "--font", "title=Arial"}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"font_without_family", {"--print", "--font", "month="}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"font_without_equals", {"--print", "--font", "Arial"}, Action::Refuse, "--font takes KIND=FAMILY"},
    {"copies_zero", {"--print", "--copies", "0"}, Action::Refuse, "--copies takes"},
    {"copies_too_many", {"--print", "--copies", "1000"}, Action::Refuse, "--copies takes"},
    {"copies_word", {"--print", "--copies", "two"}, Action::Refuse, "--copies takes"},
    {"output_not_pdf", {"--print", "--output", "calendar.png"}, Action::Refuse, "--output takes"},
    {"output_only_extension", {"--print", "--output", ".pdf"}, Action::Refuse, "--output takes"},
    {"output_and_printer", {"--print", "--output", "a.pdf", "--printer", "Office"}, Action::Refuse,
     "cannot be combined"},
    {"force_without_output", {"--print", "--force"}, Action::Refuse, "--force goes with --output"},
    {"empty_picture", {"--print", "--picture", ""}, Action::Refuse, "--picture needs"},
    {"empty_printer", {"--print", "--printer="}, Action::Refuse, "--printer needs"},
    {"output_upper_case_extension", {"--print", "--output", "Y.PDF"}, Action::Print, ""},
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
    {"window_start_values", {}, {{2003, 1}}},
    {"year_and_month", {"--year", "2027", "--month", "5"}, {{2027, 5}}},
    {"month_alone_in_the_start_year", {"--month", "05"}, {{2003, 5}}},
    {"year_alone_is_twelve_months", {"--year", "2027"}, monthsOf(2027)},
    {"range_over_new_year", {"--months", "2027-11..2028-02"}, {{2027, 11}, {2027, 12}, {2028, 1}, {2028, 2}}},
    {"range_of_one", {"--months", "2027-6..2027-06"}, {{2027, 6}}},
    {"control_file_names_its_own", {"notes.txt"}, {}},
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
