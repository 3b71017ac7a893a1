// SPDX-License-Identifier: MIT
#include "app/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

UiLanguage::UiLanguage(const QStringList &uiLanguages, const QString &folder)
{
    for (const QString &language : uiLanguages) {
        const QLocale locale(language);
        // English is what the sources say: nothing further down the list.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        if (m_program.load(locale, QStringLiteral("monthly-calendar"), QStringLiteral("_"), folder)) {
            install(locale);
            return;
        }
    }
}

UiLanguage::~UiLanguage()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString UiLanguage::folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/monthly-calendar/translations");
}

void UiLanguage::install(const QLocale &locale)
{
    QCoreApplication::installTranslator(&m_program);
    // Qt's own words: the font dialog, the command line's "Usage:", buttons.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    m_rightToLeft = locale.textDirection() == Qt::RightToLeft;
}
