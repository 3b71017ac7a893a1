// SPDX-License-Identifier: MIT
#pragma once

class QString;

// What a file handed to the window (dropped on it, or named on the command
// line) is taken for. Calendar files and address books are known by their
// content, the others by their extension in any case; Other is none of
// them.
enum class FileKind { Picture, ControlFile, Calendar, Other };

FileKind fileKindOf(const QString &path);
