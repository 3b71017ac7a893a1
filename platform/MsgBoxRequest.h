// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

// One message box as the program asks for it: the text (lines joined by
// CR LF), the style number (0: OK only, no icon; 64: OK with the information
// icon) and the title; an empty title stands for the application's title.
// The core only describes boxes; the windows show them.
struct MsgBoxRequest
{
    QString text;
    int style = 0;
    QString title;

    friend bool operator==(const MsgBoxRequest &, const MsgBoxRequest &) = default;
};

// Where message boxes go. The windows show real boxes; tests pass a recorder
// instead, so no modal box ever blocks a test.
using MsgBoxFunction = std::function<void(const MsgBoxRequest &)>;

inline constexpr int MsgBoxOkOnly = 0;
inline constexpr int MsgBoxInformation = 64;

// The program's name: the application's name and the PDF's creator.
QString applicationTitle();
// The same name as window and box titles show it, in the user's language.
QString applicationCaption();

// The title actually shown for a request.
QString effectiveTitle(const MsgBoxRequest &request);

// The box that turns down what the user picked: "Try again . . ." and what
// to pick instead.
MsgBoxRequest tryAgainBox(const QString &request);
