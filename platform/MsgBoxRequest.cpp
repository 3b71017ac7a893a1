// SPDX-License-Identifier: MIT
#include "platform/MsgBoxRequest.h"

QString applicationTitle()
{
    return QStringLiteral("Monthly Calendar");
}

QString effectiveTitle(const MsgBoxRequest &request)
{
    return request.title.isEmpty() ? applicationTitle() : request.title;
}

MsgBoxRequest tryAgainBox(const QString &request)
{
    return {QStringLiteral("Try again . . .\r\n") + request, MsgBoxOkOnly, QString()};
}
