// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"
#include "platform/RuntimeError.h"

#include <utility>

// The text of the box that reports a run-time error.
MsgBoxRequest runtimeErrorBox(const RuntimeError &error);

// Runs one window handler. A run-time error stops the handler at the failing
// step and is reported in a message box; the program keeps running with
// everything the user had. Returns false when the handler was stopped.
template<typename Handler>
bool runGuarded(const MsgBoxFunction &msgBox, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const RuntimeError &error) {
        msgBox(runtimeErrorBox(error));
        return false;
    }
}
