// SPDX-License-Identifier: MIT
#include "FullPage.h"

CalendarPage fullPage(const Picture &picture)
{
    CalendarPage page;
    page.txtYear = QStringLiteral("2003");
    page.txtMonth = QStringLiteral("8");
    page.txtCopies = QStringLiteral("1");
    page.txtHeader = QStringLiteral("The Sorvane Family Calendar");
    page.txtMessage = {QStringLiteral("12 Main Street"), QStringLiteral("Springfield"), QStringLiteral("IL 62701"),
                       QStringLiteral("555 0100"), QStringLiteral("sorvane@example.org"),
                       QStringLiteral("Have a wonderful summer")};
    for (int d = 0; d < 31; ++d)
        page.strNotes[d] = QStringLiteral("Dentist at ten ^ Anna's birthday (12) ^ Pick up the dry cleaning %1").arg(d + 1);
    page.binSelPic = true;
    page.picture = picture;
    return page;
}
