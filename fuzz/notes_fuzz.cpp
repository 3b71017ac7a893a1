// SPDX-License-Identifier: MIT
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "page/CalendarPage.h"
#include "platform/Numbers.h"

#include <cstdlib>

// Any file contents: no crash, and the year and month only change to values
// their tags allow. A picture line may be refused (a wrong extension).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CalendarPage page;
    page.txtYear = QStringLiteral("2004");
    page.txtMonth = QStringLiteral("3");
    const NotesFileContext context{QDate(2026, 12, 8), QLocale(QLocale::English, QLocale::UnitedStates)};
    readNotesData(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), page, context);

    const double year = Val(page.txtYear);
    const double month = Val(page.txtMonth);
    if (year <= 1900 || year >= 2500 || month <= 0 || month >= 13)
        std::abort();
    return 0;
}
