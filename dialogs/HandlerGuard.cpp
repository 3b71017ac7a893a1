// SPDX-License-Identifier: MIT
#include "dialogs/HandlerGuard.h"

MsgBoxRequest runtimeErrorBox(const RuntimeError &error)
{
    return {QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(int(error.number())).arg(error.description()),
            MsgBoxOkOnly, applicationTitle()};
}
