// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

class QWidget;

// Shows the request as a modal QMessageBox over parent and returns when the
// user has closed it.
void showMsgBox(QWidget *parent, const MsgBoxRequest &request);

// A MsgBoxFunction that shows real boxes over parent.
MsgBoxFunction msgBoxesOver(QWidget *parent);
