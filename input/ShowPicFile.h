// SPDX-License-Identifier: MIT
#pragma once

#include "input/Refusal.h"

#include <optional>

class Picture;
class QString;

// Loads the picture at strPickedFile into picTemp and sets binSelPic. Paths
// shorter than two characters are passed over. One whose last three
// characters are not "gif", "bmp", "wmf" or "jpg" (case-sensitive), and a
// file that cannot be loaded, are refused; picTemp and binSelPic then stay
// as they were.
std::optional<Refusal> ShowPicFile(const QString &strPickedFile, Picture &picTemp, bool &binSelPic);
