// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

class Picture;
class QString;

// Loads the picture at strPickedFile into picTemp and sets binSelPic. Paths
// shorter than two characters are passed over; one whose last three
// characters are not "gif", "bmp", "wmf" or "jpg" (case-sensitive) is
// refused with a message box; a file that cannot be loaded leaves picTemp
// and binSelPic as they were, without a message.
void ShowPicFile(const QString &strPickedFile, Picture &picTemp, bool &binSelPic, const MsgBoxFunction &msgBox);
