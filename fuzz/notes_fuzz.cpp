#include "input/NotesFileTarget.h"
#include "input/ReadNotesFile.h"
#include "platform/Numbers.h"

#include <cstdlib>

// Any file contents: no crash, and only the named fields change, each to a
// value its tag allows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString strPickedFile = QStringLiteral("/notes.txt");
    QString txtHeader;
    std::array<QString, 6> txtMessage;
    QString txtYear = QStringLiteral("2004");
    QString txtMonth = QStringLiteral("3");
    DayNotes strNotes;
    int pictures = 0;
    NotesFileTarget target{strPickedFile, txtHeader, txtMessage, txtYear, txtMonth, strNotes,
                           [&] { ++pictures; }, [](const MsgBoxRequest &) { std::abort(); }, QDate(2026, 12, 8),
                           QLocale(QLocale::English, QLocale::UnitedStates)};
    readNotesData(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), target);

    const double year = Val(txtYear);
    const double month = Val(txtMonth);
    if (year <= 1900 || year >= 2500 || month <= 0 || month >= 13)
        std::abort();
    if (pictures == 0 && strPickedFile != QStringLiteral("/notes.txt"))
        std::abort();
    return 0;
}
