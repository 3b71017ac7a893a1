// SPDX-License-Identifier: MIT
#include "app/RefusalWords.h"

#include "input/LeftOutEntries.h"

namespace {

QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}

} // namespace

QString refusalReason(const Refusal &refusal)
{
    using Reason = Refusal::Reason;
    const QString name = quoted(refusal.name);
    switch (refusal.reason) {
    case Reason::NotControlFileName:
        return QStringLiteral("Select a .txt file.");
    case Reason::NotPictureFileName:
        return QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.");
    case Reason::Unreadable:
        return QStringLiteral("The file cannot be read.");
    case Reason::TooLarge:
        return QStringLiteral("The file is larger than 16 MB.");
    case Reason::NotCalendar:
        return QStringLiteral("The file is neither a calendar (iCalendar) nor an address book (vCard).");
    case Reason::InvalidCalendar:
        return QStringLiteral("The file is not a valid calendar (iCalendar).");
    case Reason::EventWithoutDate:
        return QStringLiteral("The event %1 has no date.").arg(name);
    case Reason::UnreadableRule:
        return QStringLiteral("The event %1 has a repetition that cannot be read.").arg(name);
    case Reason::TooFrequent:
        return QStringLiteral("The event %1 repeats more often than once a day.").arg(name);
    case Reason::TooManyRepeats:
        return QStringLiteral("The event %1 repeats more than 100,000 times.").arg(name);
    case Reason::UnreadableTimeZone:
        return QStringLiteral("The time zone %1 cannot be read.").arg(name);
    case Reason::CardInsideCard:
        return QStringLiteral("The address book has a card inside another card.");
    case Reason::CardNeverBegun:
        return QStringLiteral("The address book ends a card it never began.");
    case Reason::CardNeverEnded:
        return QStringLiteral("The address book ends inside a card.");
    }
    return QString();
}

QString leftOutReason(const LeftOutEntries &leftOut)
{
    if (leftOut.count == 1)
        return QStringLiteral("1 entry is left out. ") + refusalReason(leftOut.first);
    return QStringLiteral("%1 entries are left out. The first: %2")
        .arg(leftOut.count)
        .arg(refusalReason(leftOut.first));
}
