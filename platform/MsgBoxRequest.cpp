// SPDX-License-Identifier: MIT
#include "platform/MsgBoxRequest.h"

#include <QCoreApplication>

QString applicationTitle()
{
    return QStringLiteral("Monthly Calendar");
}

QString applicationCaption()
{
    return QCoreApplication::translate("MsgBox", "Monthly Calendar");
}

QString effectiveTitle(const MsgBoxRequest &request)
{
    return request.title.isEmpty() ? applicationCaption() : request.title;
}

MsgBoxRequest tryAgainBox(const QString &request)
{
    return {QCoreApplication::translate("MsgBox", "Try again . . .\r\n") + request, MsgBoxOkOnly, QString()};
}
