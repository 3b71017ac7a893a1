// SPDX-License-Identifier: MIT
#include "app/UiLanguage.h"
#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/RowName.h"

#include <QAbstractButton>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QXmlStreamReader>

namespace {

struct LanguageRow
{
    const char *name;
    const char *language;
    Qt::LayoutDirection direction;
};

const LanguageRow Languages[] = {
    {"German", "de", Qt::LeftToRight},  {"French", "fr", Qt::LeftToRight}, {"Spanish", "es", Qt::LeftToRight},
    {"Japanese", "ja", Qt::LeftToRight}, {"Arabic", "ar", Qt::RightToLeft},
};

// The windows as a user of the language gets them: the built translation
// loaded as the program loads it, right to left where the language is.
class TranslatedWindowsTest : public WindowFixture, public ::testing::WithParamInterface<LanguageRow>
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_language = std::make_unique<UiLanguage>(QStringList{GetParam().language}, TRANSLATIONS_DIR);
        if (m_language->rightToLeft())
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }

    void TearDown() override
    {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        m_language.reset();
        WindowFixture::TearDown();
    }

    std::unique_ptr<UiLanguage> m_language;
};

// Alt and a letter must lead to one control only.
void expectUniqueMnemonics(const QStringList &captions)
{
    QStringList keys;
    for (const QString &caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if (key.isEmpty())
            continue;
        EXPECT_FALSE(keys.contains(key)) << caption.toStdString() << " repeats " << key.toStdString();
        keys.append(key);
    }
}

QStringList captionsOf(const QMainWindow &window)
{
    QStringList captions;
    for (const QWidget *control : window.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (const auto *label = qobject_cast<const QLabel *>(control))
            captions.append(label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            captions.append(button->text());
    }
    for (const QAction *menu : window.menuBar()->actions())
        captions.append(menu->text());
    return captions;
}

TEST_P(TranslatedWindowsTest, TranslationFileHasEveryTextTranslated)
{
    QFile file(QStringLiteral(TS_DIR "/monthly-calendar_%1.ts").arg(QLatin1String(GetParam().language)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    int translations = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement || ts.name() != u"translation")
            continue;
        ++translations;
        // lupdate marks what is new, changed or gone.
        const QString state = ts.attributes().value(QLatin1String("type")).toString();
        EXPECT_TRUE(state.isEmpty()) << "translation " << translations << " is " << state.toStdString();
        EXPECT_FALSE(ts.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty())
            << "translation " << translations << " is empty";
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(translations, 100);
}

TEST_P(TranslatedWindowsTest, WindowsShowEveryCaptionWholeAndApart)
{
    frmSorvane window(*m_printers, [](const MsgBoxRequest &) {}, [](QWidget *, qint32) { return std::nullopt; });
    EXPECT_NE(window.windowTitle(), QStringLiteral(" Monthly Calendar")) << "not translated";
    EXPECT_EQ(window.layoutDirection(), GetParam().direction);
    window.show();
    expectReadableLayout(window.centralWidget());
    expectUniqueMnemonics(captionsOf(window));

    auto *devices = new frmSelectPrt(*m_printers, [](const MsgBoxRequest &) {});
    devices->Form_Load();
    devices->show();
    expectReadableLayout(devices);
    delete devices;

    frmFindFiles chooser({}, {QStringLiteral("/")});
    for (const char *prompt : {"Select a Picture &file.\r\nEither a bmp, gif, jpg or wmf.",
                               "Select a text Control &file.\r\nA [txt] file with Field Control"}) {
        chooser.setPrompt(QCoreApplication::translate("frmSorvane", prompt));
        expectReadableLayout(&chooser);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest, ::testing::ValuesIn(Languages), RowName());

} // namespace
