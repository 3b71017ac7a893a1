// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// Whether Qt's message is about a run that goes right: a face without the
// OpenType tables of a script that is drawn all the same, a runtime folder
// Qt picked itself. Such messages would only fill a script's log.
bool isHarmlessQtMessage(QtMsgType type, const QString &message);

// Keeps harmless messages off standard error; every other one goes there as
// before.
void installMessageFilter();
