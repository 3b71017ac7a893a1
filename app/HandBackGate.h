// SPDX-License-Identifier: MIT
#pragma once

// Decides when the main window runs its file hand-back (Form_Activate): on
// its first show, and once for each return from one of the program's own
// secondary windows (the file chooser, the output device window). A return is
// seen either as focus moving straight from a secondary window to the main
// window, or as a secondary window handing back explicitly when it hides or
// closes (the only sign there is without a window manager). Whichever comes
// first runs the hand-back; the other finds the return already taken.
// Focus coming from another application (no focus window in between) or from
// a message box or the font dialog is no return.
class HandBackGate
{
public:
    // What kind of window has the focus; windows are classified when the
    // focus moves, so no pointer to a window that may be gone is kept.
    enum class Role { None, Main, Secondary, Other };

    // The main window is being shown; true only the first time.
    bool mainShown();
    // A secondary window was shown on the user's request.
    void secondaryShown();
    // The focus moved to a window of the given role; true when this is a
    // return to the main window that has not been handed back yet.
    bool focusMoved(Role to);
    // A secondary window hid or closed; true when the return it ends has not
    // been handed back yet.
    bool handedBack();

private:
    bool takeReturn();

    Role m_focus = Role::None;
    bool m_shown = false;
    bool m_away = false;
};
