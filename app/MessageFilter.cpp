// SPDX-License-Identifier: MIT
#include "app/MessageFilter.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

void writeUnlessHarmless(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (isHarmlessQtMessage(type, message))
        return;
    std::fputs(qFormatLogMessage(type, context, message).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

bool isHarmlessQtMessage(QtMsgType type, const QString &message)
{
    static const QStringList beginnings = {
        QStringLiteral("OpenType support missing for "),
        QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"),
    };
    if (type != QtWarningMsg)
        return false;
    const QString text = message.trimmed();
    return std::any_of(beginnings.cbegin(), beginnings.cend(),
                       [&](const QString &beginning) { return text.startsWith(beginning); });
}

void installMessageFilter()
{
    qInstallMessageHandler(writeUnlessHarmless);
}
