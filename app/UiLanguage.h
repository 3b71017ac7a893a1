// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The program's texts, and Qt's own, in the first of the user's languages
// that has them, for as long as this lives. English is the source text: an
// English speaker, or a language without a translation, keeps the texts as
// written; a file that is missing or unreadable falls back to them too.
class UiLanguage
{
public:
    UiLanguage(const QStringList &uiLanguages, const QString &folder);
    ~UiLanguage();
    UiLanguage(const UiLanguage &) = delete;
    UiLanguage &operator=(const UiLanguage &) = delete;

    // Where the installed program, or the one in the build folder, finds
    // its translations.
    static QString folder();

    // Whether the windows are laid out right to left, as for Arabic.
    bool rightToLeft() const { return m_rightToLeft; }

private:
    void install(const QLocale &locale);

    QTranslator m_program;
    QTranslator m_qt;
    bool m_rightToLeft = false;
};
