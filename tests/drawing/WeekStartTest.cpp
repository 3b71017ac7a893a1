// SPDX-License-Identifier: MIT
#include "PrintTarget.h"
#include "tests/support/PdfReader.h"

#include "drawing/CalendarPrintJob.h"
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "page/CalendarPage.h"

#include <QMap>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QLocale American(QStringLiteral("en_US"));
const QStringList English = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// Column and row of the grid cell a point of the layout lies in; the heads'
// band is row -1.
std::pair<int, int> cellOf(QPointF twips)
{
    return {int(std::floor((twips.x() - 300) / 1583)), int(std::floor((twips.y() - 4850) / 1680))};
}

// A month of 2027 read from a control file with four rule-dated notes.
const Page &printMonth(PrintTarget &target, int month, WeekStart start, const QLocale &locale = American)
{
    CalendarPage page;
    const QString file = QStringLiteral("YER 2027\nMON %1\nDTM 1 2 Market\nDTM 2 3 Committee\nDTM 3 1 Walk\n"
                                        "DTM 4 7 Dance\n").arg(month);
    readNotesData(file.toUtf8(), page, NotesFileContext{QDate(2027, 1, 1), locale});
    page.weekStart = start;
    printCalendar(target.surface(), page, locale);
    return target.device().lastPage();
}

// Read back from the PDF (10 pt in): shaped scripts come back in
// compatibility characters, some marks lost, right-to-left letters in any
// order.
TEST(WeekdayHeadsTest, AreTheLocalesDayNamesInTheirColumns)
{
    for (const char *name : {"en_US", "C", "de_DE", "fr_FR", "ja_JP", "ar_EG", "hi_IN"}) {
        const QLocale locale(QString::fromLatin1(name));
        PrintTarget target;
        printMonth(target, 7, WeekStart::Sunday, locale);
        QStringList heads(7);
        for (const PdfReader::Word &word : PdfReader::words(target.device().lastFile())) {
            const QPointF twips = (QPointF(word.box.right(), word.box.center().y()) - QPointF(10, 10)) * 20;
            const auto [column, row] = cellOf(twips);
            if (twips.y() > 4480 && row == -1 && column >= 0 && column < 7)
                heads[column] += word.text.normalized(QString::NormalizationForm_KC);
        }
        for (int k = 0; k < 7; ++k) {
            const QString day = locale.standaloneDayName(k ? k : 7, QLocale::ShortFormat);
            const bool ofDay = std::all_of(heads[k].cbegin(), heads[k].cend(),
                                           [&](QChar c) { return day.contains(c); });
            EXPECT_TRUE(locale.script() == QLocale::LatinScript ? heads[k] == day : !heads[k].isEmpty() && ofDay)
                << name << ": " << day.toStdString() << " read as " << heads[k].toStdString();
        }
    }
}

// Each day under the head of its weekday, the next row after the last
// column; each note in the cell of the day it had on a Sunday-first page.
TEST(WeekStartTest, EveryDayOf2027SitsUnderItsWeekdayAndEveryNoteKeepsItsDate)
{
    for (int month = 1; month <= 12; ++month) {
        QMap<QString, int> sundayNotes;
        for (const WeekStart start : {WeekStart::Sunday, WeekStart::Monday}) {
            PrintTarget target;
            QStringList heads;
            QMap<int, std::pair<int, int>> days;
            QMap<std::pair<int, int>, int> dayIn;
            QMap<QString, int> notes;
            for (const PageText &text : textsOf(printMonth(target, month, start))) {
                const int day = text.text.toInt();
                if (text.pos.y() == 4530)
                    heads.append(text.text);
                else if (day && text.pointSize == 12)
                    dayIn[days[day] = cellOf(text.pos)] = day;
                else if (text.pointSize == 8 && !text.text.isEmpty())
                    notes[text.text] = dayIn.value(cellOf(text.pos));
            }
            EXPECT_EQ(heads, start == WeekStart::Sunday ? English : English.mid(1) + English.mid(0, 1));
            for (QDate date(2027, month, 1); date.month() == month; date = date.addDays(1)) {
                const auto [column, row] = days.value(date.day());
                EXPECT_EQ(heads.value(column), English[date.dayOfWeek() % 7]) << date.toString().toStdString();
                EXPECT_EQ(row, date.day() == 1 ? 0 : days.value(date.day() - 1).second + (column == 0));
            }
            EXPECT_EQ(notes.size(), 4);
            EXPECT_EQ(notes, start == WeekStart::Sunday ? (sundayNotes = notes) : sundayNotes) << "month " << month;
        }
    }
}

} // namespace
