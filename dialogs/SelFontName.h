// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

#include <QString>

class CommonDialog;
class QWidget;

// Asks for a face name in the font dialog. Before the output device window
// has been opened since the last print (binSelPrt false) it refuses with a
// message. Returns the face name, or "Cancel" when none was chosen or the
// dialog failed in any way.
QString SelFontName(bool binSelPrt, CommonDialog &cdlSelectPrtFont, const MsgBoxFunction &msgBox, QWidget *parent);

// What each font button does with the result: anything containing "Cancel"
// (case-sensitive) leaves fontName as it is.
void storeFontChoice(const QString &result, QString &fontName);
