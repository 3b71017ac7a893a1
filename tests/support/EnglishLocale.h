// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

// Makes US English the locale the program's windows read, for as long as it
// lives, so tests that expect English month names pass under any locale.
class EnglishLocale
{
public:
    EnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~EnglishLocale() { QLocale::setDefault(m_previous); }
    EnglishLocale(const EnglishLocale &) = delete;
    EnglishLocale &operator=(const EnglishLocale &) = delete;

private:
    QLocale m_previous;
};
