// SPDX-License-Identifier: MIT
#include "app/frmSorvane.h"
#include "tests/support/EnglishLocale.h"
#include "tests/support/Child.h"
#include "dialogs/frmSelectPrt.h"
#include "surface/PdfDevice.h"
#include "surface/Printers.h"

#include "FontDialogUser.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// The main window printing to "Save as PDF" in a temporary folder, its
// message boxes recorded; faces are picked in the real font dialog.
class PrintedFacesTest : public testing::Test
{
protected:
    const EnglishLocale english;
    void SetUp() override
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(pdfFolder.path(), QPageSize(QPageSize::A4)));
        printers = std::make_unique<Printers>(std::move(devices));
        window = std::make_unique<frmSorvane>(*printers, [this](const MsgBoxRequest &box) { boxes.push_back(box); });
        window->show();
    }

    void click(const char *button) { QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton); }

    // Picks a face in the font dialog behind a font button.
    void chooseFace(const char *button, const QString &family)
    {
        FontDialogUser user([family](QFontDialog *dialog) { pickFace(dialog, family); });
        click(button);
        EXPECT_EQ(user.shown, 1);
    }

    QTemporaryDir pdfFolder;
    std::unique_ptr<Printers> printers;
    std::vector<MsgBoxRequest> boxes;
    std::unique_ptr<frmSorvane> window;
};

// Text of the PDF by the font it is drawn in, from mutool's structured text.
std::map<QString, QString> textByFont(const QString &pdf)
{
    QProcess mutool;
    mutool.start(QStringLiteral("mutool"), {QStringLiteral("draw"), QStringLiteral("-q"), QStringLiteral("-F"),
                                            QStringLiteral("stext"), QStringLiteral("-o"), QStringLiteral("-"), pdf});
    EXPECT_TRUE(mutool.waitForFinished(60000) && mutool.exitCode() == 0) << "mutool cannot read the PDF";
    std::map<QString, QString> text;
    QString font;
    QXmlStreamReader xml(mutool.readAllStandardOutput());
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"font") {
            font = xml.attributes().value(QLatin1String("name")).toString();
            text[font] += u' ';
        } else if (xml.name() == u"char") {
            text[font] += xml.attributes().value(QLatin1String("c"));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return text;
}

// Whether some font whose PostScript name holds the letters of the face
// name (without a "[foundry]") drew the word.
bool drawnInFace(const std::map<QString, QString> &text, const QString &faceName, const QString &word)
{
    const QString letters = faceName.section(QStringLiteral(" ["), 0, 0).remove(u' ');
    for (const auto &[font, drawn] : text)
        if (font.contains(letters) && drawn.contains(word))
            return true;
    return false;
}

TEST_F(PrintedFacesTest, EachElementIsPrintedInTheFaceChosenForIt)
{
    typeInto(child<QLineEdit>(window, "txtYear"), QStringLiteral("2003"));
    typeInto(child<QLineEdit>(window, "txtMonth"), QStringLiteral("2"));
    typeInto(child<QLineEdit>(window, "txtHeader"), QStringLiteral("Headerword"));
    typeInto(child<QLineEdit>(window, "txtMessage(0)"), QStringLiteral("Addressword"));
    typeInto(child<QLineEdit>(window, "txtMessage(5)"), QStringLiteral("Messageword"));
    click("cmdSelectPrt");
    const std::vector<std::pair<const char *, QString>> faces = {
        {"cmdYrFont", QStringLiteral("URW Gothic")},
        {"cmdHdrFont", QStringLiteral("DejaVu Serif")},
        {"cmdAdrFont", QStringLiteral("Liberation Mono")},
        {"cmdMsgFont", QStringLiteral("Nimbus Roman")},
        {"cmdCalendarFont", QStringLiteral("DejaVu Sans Mono")},
    };
    for (const auto &[button, face] : faces)
        chooseFace(button, face);
    click("cmdPrint");
    ASSERT_TRUE(boxes.empty());

    const QStringList files = QDir(pdfFolder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const std::map<QString, QString> text = textByFont(QDir(pdfFolder.path()).filePath(files.front()));
    EXPECT_TRUE(window->page().fonts.strMonthFont.startsWith(QStringLiteral("URW Gothic"))) << window->page().fonts.strMonthFont.toStdString();
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strMonthFont, QStringLiteral("February 2003")));
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strHdrFont, QStringLiteral("Headerword")));
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strAdrFont, QStringLiteral("Addressword")));
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strMsgFont, QStringLiteral("Messageword")));
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strCalFont, QStringLiteral("Wed")));
    EXPECT_TRUE(drawnInFace(text, window->page().fonts.strCalFont, QStringLiteral("28")));
}

} // namespace
