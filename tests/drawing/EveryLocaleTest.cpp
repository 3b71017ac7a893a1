// SPDX-License-Identifier: MIT
#include "tests/support/RowName.h"
#include "tests/surface/RecordingDevice.h"

#include "drawing/CalendarPrintJob.h"
#include "page/CalendarPage.h"
#include "platform/Dates.h"
#include "surface/PrintSurface.h"
#include "surface/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <array>

namespace {

constexpr std::array<int, 7> SingleDigitX = {1630, 3210, 4790, 6370, 7950, 9530, 11110};

struct LocaleRow
{
    std::string name;
    QLocale locale;
};

std::vector<LocaleRow> everyLocale()
{
    std::vector<LocaleRow> rows;
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        QString name = QLocale::languageToCode(locale.language()) + u'_' + QLocale::scriptToCode(locale.script()) + u'_'
                       + QLocale::territoryToCode(locale.territory());
        rows.push_back({name.toStdString(), locale});
    }
    return rows;
}

void PrintTo(const LocaleRow &row, std::ostream *os)
{
    *os << row.name;
}

class EveryLocaleTest : public ::testing::TestWithParam<LocaleRow>
{
};

struct PrintedMonth
{
    QString title;
    QString documentName;
    int days = 0;
    double firstDayX = 0;
};

PrintedMonth printMonth(const QLocale &locale, int month)
{
    std::vector<std::unique_ptr<OutputDevice>> devices;
    auto recorder = std::make_unique<RecordingDevice>();
    RecordingDevice &device = *recorder;
    devices.push_back(std::move(recorder));
    Printers printers(std::move(devices));
    PrintSurface surface(printers);

    CalendarPage page;
    page.txtYear = QStringLiteral("2003");
    page.txtMonth = QString::number(month);
    page.txtCopies = QStringLiteral("1");
    printCalendar(surface, page, locale);

    PrintedMonth printed;
    printed.documentName = device.jobs.value(0).settings.documentName;
    for (const PageItem &item : device.jobs.value(0).page.items) {
        const PageText *text = std::get_if<PageText>(&item);
        if (!text)
            continue;
        if (text->pos.y() == 3550)
            printed.title = text->text;
        bool isNumber = false;
        const int number = text->text.toInt(&isNumber);
        if (isNumber && text->pointSize == 12) {
            ++printed.days;
            if (number == 1)
                printed.firstDayX = text->pos.x();
        }
    }
    return printed;
}

TEST_P(EveryLocaleTest, PrintsEveryMonthAndReadsItsNames)
{
    const QLocale &locale = GetParam().locale;
    for (int month = 1; month <= 12; ++month) {
        const QDate first(2003, month, 1);
        const PrintedMonth printed = printMonth(locale, month);
        EXPECT_EQ(printed.title, locale.standaloneMonthName(month) + QStringLiteral(" 2003")) << "month " << month;
        EXPECT_EQ(printed.documentName, QStringLiteral("Calendar 2003-%1").arg(month, 2, 10, QChar(u'0')));
        EXPECT_EQ(printed.days, first.daysInMonth()) << "month " << month;
        EXPECT_EQ(printed.firstDayX, SingleDigitX[first.dayOfWeek() % 7]) << "month " << month;

        const QDate born(1950, month, 17);
        for (const QString &name : {locale.monthName(month), locale.standaloneMonthName(month)}) {
            const QString text = QStringLiteral("17 %1 1950").arg(name);
            EXPECT_NO_THROW(EXPECT_EQ(DateValue(text, locale, QDate(2026, 12, 8)), born)) << text.toStdString();
        }
        const QString numeric = locale.toString(born, QLocale::ShortFormat);
        EXPECT_NO_THROW(EXPECT_EQ(DateValue(numeric, locale, QDate(2026, 12, 8)), born)) << numeric.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, EveryLocaleTest, ::testing::ValuesIn(everyLocale()), RowName());

} // namespace
