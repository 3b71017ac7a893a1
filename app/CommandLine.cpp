// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "surface/Paper.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// More pages than any calendar needs are refused before anything is made.
constexpr int MaxMonths = 1200;
constexpr int FirstYear = 100;
constexpr int LastYear = 9999;
constexpr int MaxCopies = 999;
constexpr qsizetype NotesLines = 5;

const QString Print = QStringLiteral("print");
const QString ListPrinters = QStringLiteral("list-printers");
const QString Year = QStringLiteral("year");
const QString Month = QStringLiteral("month");
const QString Months = QStringLiteral("months");
const QString Header = QStringLiteral("header");
const QString Line = QStringLiteral("line");
const QString Message = QStringLiteral("message");
const QString PictureOption = QStringLiteral("picture");
const QString Events = QStringLiteral("events");
const QString Font = QStringLiteral("font");
const QString Copies = QStringLiteral("copies");
const QString Output = QStringLiteral("output");
const QString Force = QStringLiteral("force");
const QString Printer = QStringLiteral("printer");
const QString PaperOption = QStringLiteral("paper");
const QString WeekStartOption = QStringLiteral("week-start");

// The options that only printing takes.
const QStringList PrintingOptions = {Year,   Month,  Months, Header, Line,    Message, PictureOption,
                                     Events, Font,   Copies, Output, Force,   Printer, PaperOption};

struct FontKind
{
    const char *name;
    QString PageFonts::*font;
};

const FontKind FontKinds[] = {
    {"month", &PageFonts::strMonthFont},     {"header", &PageFonts::strHdrFont}, {"address", &PageFonts::strAdrFont},
    {"message", &PageFonts::strMsgFont},     {"calendar", &PageFonts::strCalFont},
};

struct Parser
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Parser()
    {
        parser.setApplicationDescription(tr(
            "Prints one-page monthly calendars. Without --print the window opens with the\n"
            "files named: control files read into it, calendar files and address books\n"
            "attached, pictures loaded.\n"
            "\n"
            "With --print the pages are printed without a window: one page per control\n"
            "file, in the order given, else one page per month named by --year, --month\n"
            "or --months. What the options set wins over what a control file says.\n"
            "\n"
            "Exit status: 0 printed, 1 bad usage, 2 an input could not be read,\n"
            "3 the page could not be made or printed."));
        parser.addPositionalArgument(QStringLiteral("control-files"),
                                     tr("Day-notes control files (.txt), one page each."),
                                     QStringLiteral("[CONTROL-FILE...]"));
        parser.addOptions({
            {Print, tr("Print without a window.")},
            {ListPrinters, tr("List the output devices, as \"Select Printer\" does.")},
            {Year, tr("Year of the page; alone, one page for each of its months."), QStringLiteral("Y")},
            {Month, tr("Month of the page, 1 to 12."), QStringLiteral("M")},
            {Months, tr("One page per month, e.g. 2027-01..2027-12."), QStringLiteral("FROM..TO")},
            {Header, tr("Header line."), QStringLiteral("TEXT")},
            {Line, tr("One of the five lines under the header; up to five, in order."), QStringLiteral("TEXT")},
            {Message, tr("Centred message line."), QStringLiteral("TEXT")},
            {PictureOption, tr("Picture to print (gif, bmp, wmf or jpg)."), QStringLiteral("FILE")},
            {Events,
             tr("Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every "
                "page; may be given several times."),
             QStringLiteral("FILE")},
            {Font, tr("Typeface of one kind of text: month, header, address, message or calendar."),
             QStringLiteral("KIND=FAMILY")},
            {Copies, tr("Number of copies (1 to 999)."), QStringLiteral("N")},
            {Output, tr("Write the pages into this PDF file."), QStringLiteral("FILE.pdf")},
            {Force, tr("Let --output replace an existing file.")},
            {Printer, tr("Print on this device (see --list-printers)."), QStringLiteral("NAME")},
            {PaperOption,
             tr("Paper to print on: a4, letter, legal, a5 ... or a PWG name such as "
                "na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF "
                "on the system's (PAPERSIZE, /etc/papersize, LC_PAPER)."),
             QStringLiteral("NAME")},
            {WeekStartOption,
             tr("First column of the grid: sunday (the default), monday, or locale for the "
                "locale's own first weekday."),
             QStringLiteral("DAY")},
        });
    }
};

// Qt's own options: the application object takes them from the arguments
// itself, as in every Qt program.
struct QtOption
{
    const char *name;
    const char *value;
    const char *help;
};

const QtOption QtOptions[] = {
    {"platform", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Platform plugin: xcb, wayland, offscreen ...")},
    {"platformtheme", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Platform theme.")},
    {"platformpluginpath", "PATH", QT_TRANSLATE_NOOP("CommandLine", "Folder of further platform plugins.")},
    {"plugin", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Further input plugin to load.")},
    {"style", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Widget style: fusion, windows ...")},
    {"stylesheet", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Style sheet for the windows.")},
    {"reverse", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Lays the windows out right to left.")},
    {"qwindowgeometry", "GEOMETRY", QT_TRANSLATE_NOOP("CommandLine", "Size and place of the main window.")},
    {"qwindowtitle", "TITLE", QT_TRANSLATE_NOOP("CommandLine", "Title of the main window.")},
    {"qwindowicon", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Icon of the windows.")},
    {"session", "ID", QT_TRANSLATE_NOOP("CommandLine", "Session to restore.")},
    {"display", "DISPLAY", QT_TRANSLATE_NOOP("CommandLine", "X display to open the window on.")},
    {"name", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Name under which X resources are looked up.")},
    {"widgetcount", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Tells how many widgets are left at the end.")},
    {"nograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Never grabs the mouse or the keyboard.")},
    {"dograb", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Grabs even where -nograb is implied.")},
    {"sync", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Talks to the X server synchronously.")},
};

// The Qt option an argument names, "-style", "--style" and "-style=x" alike.
const QtOption *qtOption(const QString &argument, bool *valueIncluded)
{
    if (!argument.startsWith(u'-') || argument == QLatin1String("--"))
        return nullptr;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    *valueIncluded = name.contains(u'=');
    name = name.section(u'=', 0, 0);
    for (const QtOption &option : QtOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// The arguments without Qt's own options and their values.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            kept += arguments.mid(i);
            break;
        }
        bool valueIncluded = false;
        if (const QtOption *option = qtOption(arguments[i], &valueIncluded)) {
            if (option->value && !valueIncluded)
                ++i;
            continue;
        }
        kept.append(arguments[i]);
    }
    return kept;
}

QString qtOptionsHelp()
{
    QString help = QCoreApplication::translate("CommandLine", "\nQt options, taken by every Qt program:\n");
    for (const QtOption &option : QtOptions) {
        const QString usage = QLatin1Char('-') + QLatin1String(option.name) +
                              (option.value ? QLatin1Char(' ') + QLatin1String(option.value) : QString());
        help += QStringLiteral("  %1%2\n").arg(usage, -28).arg(QCoreApplication::translate("CommandLine", option.help));
    }
    return help;
}

std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int number = text.toInt();
    if (number < lowest || number > highest)
        return std::nullopt;
    return number;
}

class Checker
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    Checker(const QCommandLineParser &parser, CommandLineOptions &options)
        : m_parser(parser)
        , m_options(options)
    {
    }

    void checkPrinting()
    {
        m_options.controlFiles = m_parser.positionalArguments();
        checkMonths();
        checkFields();
        checkFonts();
        checkDestination();
    }

    void checkWeekStart()
    {
        if (!m_parser.isSet(WeekStartOption))
            return;
        const QString value = m_parser.value(WeekStartOption);
        m_options.weekStart = weekStartNamed(value);
        if (!m_options.weekStart)
            refuse(tr("--week-start takes one of %1 (not \"%2\")")
                       .arg(weekStartNames().join(QStringLiteral(", ")), value));
    }

    void refuse(const QString &why)
    {
        if (m_options.usageError.isEmpty())
            m_options.usageError = why;
    }

private:
    void checkMonths()
    {
        const bool year = m_parser.isSet(Year);
        const bool month = m_parser.isSet(Month);
        const bool months = m_parser.isSet(Months);
        if (!m_options.controlFiles.isEmpty() && (year || month || months))
            return refuse(tr("--year, --month and --months name pages only without a control file"));
        if (months && (year || month))
            return refuse(tr("--months cannot be combined with --year or --month"));
        if (months)
            return checkRange(m_parser.value(Months));

        const CalendarPage start;
        std::optional<int> y = start.txtYear.toInt();
        if (year) {
            y = wholeNumber(m_parser.value(Year), FirstYear, LastYear);
            if (!y)
                return refuse(tr("--year takes a year from %1 to %2").arg(FirstYear).arg(LastYear));
        }
        if (year && !month) {
            for (int m = 1; m <= 12; ++m)
                m_options.months.append({*y, m});
            return;
        }
        std::optional<int> m = start.txtMonth.toInt();
        if (month) {
            m = wholeNumber(m_parser.value(Month), 1, 12);
            if (!m)
                return refuse(tr("--month takes a month from 1 to 12"));
        }
        if (m_options.controlFiles.isEmpty())
            m_options.months.append({*y, *m});
    }

    void checkRange(const QString &range)
    {
        static const QRegularExpression pattern(QStringLiteral("^([0-9]{3,4})-([0-9]{1,2})\\.\\.([0-9]{3,4})-([0-9]{1,2})$"));
        const QRegularExpressionMatch match = pattern.match(range);
        if (!match.hasMatch())
            return refuse(tr("--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12"));
        const std::optional<int> first = monthIndex(match.captured(1), match.captured(2));
        const std::optional<int> last = monthIndex(match.captured(3), match.captured(4));
        if (!first || !last)
            return refuse(tr("--months takes years from %1 to %2 and months from 1 to 12")
                              .arg(FirstYear)
                              .arg(LastYear));
        if (*last < *first)
            return refuse(tr("--months runs from an earlier month to a later one"));
        if (*last - *first >= MaxMonths)
            return refuse(tr("--months: at most %1 months in one run").arg(MaxMonths));
        for (int index = *first; index <= *last; ++index)
            m_options.months.append({index / 12, index % 12 + 1});
    }

    // Months counted from January of the year 0.
    static std::optional<int> monthIndex(const QString &year, const QString &month)
    {
        const std::optional<int> y = wholeNumber(year, FirstYear, LastYear);
        const std::optional<int> m = wholeNumber(month, 1, 12);
        if (!y || !m)
            return std::nullopt;
        return *y * 12 + *m - 1;
    }

    void checkFields()
    {
        if (m_parser.isSet(Header))
            m_options.header = m_parser.value(Header);
        if (m_parser.isSet(Line)) {
            m_options.lines = m_parser.values(Line);
            if (m_options.lines->size() > NotesLines)
                refuse(tr("--line can be given at most %1 times").arg(NotesLines));
        }
        if (m_parser.isSet(Message))
            m_options.message = m_parser.value(Message);
        if (m_parser.isSet(PictureOption)) {
            m_options.picture = m_parser.value(PictureOption);
            if (m_options.picture.isEmpty())
                refuse(tr("--picture needs a file name"));
        }
        m_options.eventFiles = m_parser.values(Events);
        if (m_parser.isSet(Copies)) {
            m_options.copies = wholeNumber(m_parser.value(Copies), 1, MaxCopies);
            if (!m_options.copies)
                refuse(tr("--copies takes a number from 1 to %1").arg(MaxCopies));
        }
    }

    void checkFonts()
    {
        for (const QString &value : m_parser.values(Font)) {
            const QString kind = value.section(u'=', 0, 0).trimmed();
            const QString family = value.section(u'=', 1).trimmed();
            const auto known = std::find_if(std::begin(FontKinds), std::end(FontKinds),
                                            [&](const FontKind &k) { return kind == QLatin1String(k.name); });
            if (!value.contains(u'=') || known == std::end(FontKinds) || family.isEmpty())
                return refuse(tr("--font takes KIND=FAMILY, KIND one of month, header, address, "
                                 "message, calendar (not \"%1\")")
                                  .arg(value));
            m_options.fonts.append({known->font, family});
        }
    }

    void checkDestination()
    {
        m_options.force = m_parser.isSet(Force);
        if (m_parser.isSet(Output)) {
            m_options.output = m_parser.value(Output);
            if (!m_options.output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) || m_options.output.size() < 5)
                refuse(tr("--output takes the name of a .pdf file"));
        }
        if (m_parser.isSet(Printer)) {
            m_options.printer = m_parser.value(Printer);
            if (m_options.printer.isEmpty())
                refuse(tr("--printer needs a device name"));
        }
        if (m_parser.isSet(Output) && m_parser.isSet(Printer))
            refuse(tr("--output and --printer cannot be combined"));
        if (m_options.force && !m_parser.isSet(Output))
            refuse(tr("--force goes with --output"));
        if (m_parser.isSet(PaperOption))
            checkPaper(m_parser.value(PaperOption));
    }

    void checkPaper(const QString &name)
    {
        m_options.paper = Paper::named(name);
        if (!m_options.paper)
            refuse(tr("--paper takes a paper from A7 to A0 named %1, or a PWG name such as "
                      "na_letter_8.5x11in (not \"%2\")")
                       .arg(Paper::knownNames().join(QStringLiteral(", ")), name));
    }

    const QCommandLineParser &m_parser;
    CommandLineOptions &m_options;
};

QStringList printingOptionsSet(const QCommandLineParser &parser)
{
    QStringList set;
    for (const QString &name : PrintingOptions) {
        if (parser.isSet(name))
            set.append(QStringLiteral("--") + name);
    }
    return set;
}

} // namespace

CommandLineOptions parseCommandLine(const QStringList &arguments)
{
    Parser p;
    CommandLineOptions options;
    if (!p.parser.parse(withoutQtOptions(arguments))) {
        options.action = CommandLineOptions::Action::Refuse;
        options.usageError = p.parser.errorText();
        return options;
    }
    options.helpAll = p.parser.optionNames().contains(QStringLiteral("help-all"));
    if (p.parser.isSet(p.help) || options.helpAll) {
        options.action = CommandLineOptions::Action::ShowHelp;
        return options;
    }
    if (p.parser.isSet(p.version)) {
        options.action = CommandLineOptions::Action::ShowVersion;
        return options;
    }

    Checker checker(p.parser, options);
    const QStringList printing = printingOptionsSet(p.parser);
    if (p.parser.isSet(ListPrinters)) {
        options.action = CommandLineOptions::Action::ListPrinters;
        if (p.parser.isSet(Print) || !printing.isEmpty() || p.parser.isSet(WeekStartOption)
            || !p.parser.positionalArguments().isEmpty())
            checker.refuse(QCoreApplication::translate("CommandLine", "--list-printers takes no other option or file"));
    } else if (p.parser.isSet(Print)) {
        options.action = CommandLineOptions::Action::Print;
        checker.checkPrinting();
        checker.checkWeekStart();
    } else {
        options.controlFiles = p.parser.positionalArguments();
        checker.checkWeekStart();
        if (!printing.isEmpty())
            checker.refuse(QCoreApplication::translate("CommandLine", "%1 needs --print")
                               .arg(printing.join(QStringLiteral(", "))));
    }
    if (!options.usageError.isEmpty())
        options.action = CommandLineOptions::Action::Refuse;
    return options;
}

QString commandLineHelp(bool withQtOptions)
{
    QString help = Parser().parser.helpText();
    if (withQtOptions)
        help += qtOptionsHelp();
    return help;
}
