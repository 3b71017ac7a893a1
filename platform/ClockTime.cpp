// SPDX-License-Identifier: MIT
#include "platform/ClockTime.h"

#include <QRegularExpression>

QString hoursAndMinutes(QTime time, const QLocale &locale)
{
    // The seconds with the separator before them, and any fraction after.
    static const QRegularExpression seconds(QStringLiteral("[^A-Za-z']?s{1,2}(?:[^A-Za-z']?z+)?"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time, format);
}
