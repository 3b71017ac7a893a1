// SPDX-License-Identifier: MIT
#include "app/RefusalWords.h"

#include "input/LeftOutEntries.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Refusal", "Select a .txt file.");
    case Reason::NotPictureFileName:
        return QCoreApplication::translate("Refusal", "Select a .gif, .bmp, .wmf OR .jpg file.");
    case Reason::Unreadable:
        return QCoreApplication::translate("Refusal", "The file cannot be read.");
    case Reason::TooLarge:
        return QCoreApplication::translate("Refusal", "The file is larger than 16 MB.");
    case Reason::NotCalendar:
        return QCoreApplication::translate("Refusal",
                                           "The file is neither a calendar (iCalendar) nor an address book (vCard).");
    case Reason::InvalidCalendar:
        return QCoreApplication::translate("Refusal", "The file is not a valid calendar (iCalendar).");
    case Reason::EventWithoutDate:
        return QCoreApplication::translate("Refusal", "The event %1 has no date.").arg(name);
    case Reason::UnreadableRule:
        return QCoreApplication::translate("Refusal", "The event %1 has a repetition that cannot be read.").arg(name);
    case Reason::TooManyRepeats:
        return QCoreApplication::translate("Refusal", "The event %1 repeats more than 100,000 times.").arg(name);
    case Reason::UnreadableTimeZone:
        return QCoreApplication::translate("Refusal", "The time zone %1 cannot be read.").arg(name);
    case Reason::CardInsideCard:
        return QCoreApplication::translate("Refusal", "The address book has a card inside another card.");
    case Reason::CardNeverBegun:
        return QCoreApplication::translate("Refusal", "The address book ends a card it never began.");
    case Reason::CardNeverEnded:
        return QCoreApplication::translate("Refusal", "The address book ends inside a card.");
    case Reason::LineTooLong:
        if (refusal.name.isEmpty())
            return QCoreApplication::translate("Refusal", "An entry has a line longer than 64 KB.");
        return QCoreApplication::translate("Refusal", "The event %1 has a line longer than 64 KB.").arg(name);
    }
    return QString();
}

QString leftOutReason(const LeftOutEntries &leftOut)
{
    if (leftOut.count == 1)
        return QCoreApplication::translate("Refusal", "1 entry is left out. ") + refusalReason(leftOut.first);
    return QCoreApplication::translate("Refusal", "%1 entries are left out. The first: %2")
        .arg(leftOut.count)
        .arg(refusalReason(leftOut.first));
}
