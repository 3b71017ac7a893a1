// SPDX-License-Identifier: MIT
#include "app/HandBackGate.h"

bool HandBackGate::mainShown()
{
    if (m_shown)
        return false;
    m_shown = true;
    return true;
}

void HandBackGate::secondaryShown()
{
    m_away = true;
}

bool HandBackGate::focusMoved(Role to)
{
    const Role from = m_focus;
    m_focus = to;
    if (to == Role::Secondary)
        m_away = true;
    return to == Role::Main && from == Role::Secondary && takeReturn();
}

bool HandBackGate::handedBack()
{
    return takeReturn();
}

bool HandBackGate::takeReturn()
{
    const bool away = m_away;
    m_away = false;
    return away;
}
