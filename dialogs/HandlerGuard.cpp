// SPDX-License-Identifier: MIT
#include "dialogs/HandlerGuard.h"

#include <QCoreApplication>

MsgBoxRequest runtimeErrorBox(const RuntimeError &error)
{
    return {QCoreApplication::translate("RuntimeError", "Run-time error '%1':\r\n\r\n%2")
                .arg(int(error.number()))
                .arg(error.description()),
            MsgBoxOkOnly, applicationCaption()};
}
