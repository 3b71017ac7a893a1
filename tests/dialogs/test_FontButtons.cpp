#include "app/frmSorvane.h"
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
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const MsgBoxRequest Refusal{QStringLiteral("Select the Printer . . .  "), MsgBoxInformation,
                            QStringLiteral("Calendar Printer Selection")};

struct FontButton
{
    const char *name;
    QPushButton *frmSorvane::*button;
    QString frmSorvane::*fontName;
};

const std::vector<FontButton> FontButtons = {
    {"MonthFont", &frmSorvane::cmdYrFont, &frmSorvane::strMonthFont},
    {"HeaderFont", &frmSorvane::cmdHdrFont, &frmSorvane::strHdrFont},
    {"AddressFont", &frmSorvane::cmdAdrFont, &frmSorvane::strAdrFont},
    {"MessageFont", &frmSorvane::cmdMsgFont, &frmSorvane::strMsgFont},
    {"CalendarFont", &frmSorvane::cmdCalendarFont, &frmSorvane::strCalFont},
};

void PrintTo(const FontButton &row, std::ostream *os)
{
    *os << row.name;
}

// The main window as the program starts it, printing to "Save as PDF" in a
// temporary folder, its message boxes recorded.
class FontButtonsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::unique_ptr<OutputDevice>> devices;
        devices.push_back(std::make_unique<PdfDevice>(pdfFolder.path(), QPageSize(QPageSize::A4)));
        printers = std::make_unique<Printers>(std::move(devices));
        window = std::make_unique<frmSorvane>(*printers, [this](const MsgBoxRequest &box) { boxes.push_back(box); });
        window->show();
    }

    void TearDown() override
    {
        delete window->selectPrt();
        window.reset();
    }

    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click(QPushButton *frmSorvane::*button) { click(window.get()->*button); }

    // Picks a face in the font dialog behind a font button.
    void chooseFace(QPushButton *frmSorvane::*button, const QString &family)
    {
        FontDialogUser user([family](QFontDialog *dialog) { pickFace(dialog, family); });
        click(button);
        EXPECT_EQ(user.shown, 1);
    }

    std::map<QString, QString> fontNames() const
    {
        std::map<QString, QString> names;
        for (const FontButton &row : FontButtons)
            names[QString::fromLatin1(row.name)] = window.get()->*row.fontName;
        return names;
    }

    QTemporaryDir pdfFolder;
    std::unique_ptr<Printers> printers;
    std::vector<MsgBoxRequest> boxes;
    std::unique_ptr<frmSorvane> window;
};

const std::map<QString, QString> LoadValues = {
    {QStringLiteral("MonthFont"), QStringLiteral("Arial")},   {QStringLiteral("HeaderFont"), QStringLiteral("Arial")},
    {QStringLiteral("AddressFont"), QStringLiteral("Times")}, {QStringLiteral("MessageFont"), QStringLiteral("Arial")},
    {QStringLiteral("CalendarFont"), QStringLiteral("Arial")},
};

class FontButtonTest : public FontButtonsTest, public testing::WithParamInterface<FontButton>
{
};

TEST_P(FontButtonTest, RefusesRightAfterStart)
{
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    click(GetParam().button);

    EXPECT_EQ(user.shown, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], Refusal);
    EXPECT_EQ(fontNames(), LoadValues);
}

TEST_P(FontButtonTest, ChangesOnlyItsOwnFontName)
{
    click(&frmSorvane::cmdSelectPrt);
    chooseFace(GetParam().button, QStringLiteral("DejaVu Serif"));

    std::map<QString, QString> expected = LoadValues;
    expected[QString::fromLatin1(GetParam().name)] = QStringLiteral("DejaVu Serif");
    EXPECT_EQ(fontNames(), expected);
    EXPECT_TRUE(boxes.empty());
}

TEST_P(FontButtonTest, CancelKeepsTheEarlierChoice)
{
    click(&frmSorvane::cmdSelectPrt);
    chooseFace(GetParam().button, QStringLiteral("Liberation Mono"));
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    click(GetParam().button);

    EXPECT_EQ(user.shown, 1);
    EXPECT_EQ(window.get()->*GetParam().fontName, QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, FontButtonTest, testing::ValuesIn(FontButtons),
                         [](const testing::TestParamInfo<FontButton> &info) { return std::string(info.param.name); });

TEST_F(FontButtonsTest, DeviceWindowClosedWithoutAChoiceStillOpensTheDialog)
{
    click(&frmSorvane::cmdSelectPrt);
    ASSERT_NE(window->selectPrt(), nullptr);
    window->selectPrt()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    chooseFace(&frmSorvane::cmdHdrFont, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(window->strHdrFont, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(printers->currentIndex(), 0);
}

TEST_F(FontButtonsTest, AfterAPrintTheButtonsRefuseUntilSelectPrinterAndChoicesStay)
{
    click(&frmSorvane::cmdSelectPrt);
    chooseFace(&frmSorvane::cmdMsgFont, QStringLiteral("Liberation Mono"));
    click(&frmSorvane::cmdPrint);
    ASSERT_TRUE(boxes.empty());

    {
        FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
        click(&frmSorvane::cmdMsgFont);
        EXPECT_EQ(user.shown, 0);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], Refusal);
        EXPECT_EQ(window->strMsgFont, QStringLiteral("Liberation Mono"));
    }

    click(&frmSorvane::cmdSelectPrt);
    chooseFace(&frmSorvane::cmdMsgFont, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(window->strMsgFont, QStringLiteral("DejaVu Serif"));
}

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

TEST_F(FontButtonsTest, EachElementIsPrintedInTheFaceChosenForIt)
{
    window->txtYear->setText(QStringLiteral("2003"));
    window->txtMonth->setText(QStringLiteral("2"));
    window->txtHeader->setText(QStringLiteral("Headerword"));
    window->txtMessage[0]->setText(QStringLiteral("Addressword"));
    window->txtMessage[5]->setText(QStringLiteral("Messageword"));
    click(&frmSorvane::cmdSelectPrt);
    const std::vector<std::pair<QPushButton *frmSorvane::*, QString>> faces = {
        {&frmSorvane::cmdYrFont, QStringLiteral("URW Gothic")},
        {&frmSorvane::cmdHdrFont, QStringLiteral("DejaVu Serif")},
        {&frmSorvane::cmdAdrFont, QStringLiteral("Liberation Mono")},
        {&frmSorvane::cmdMsgFont, QStringLiteral("Nimbus Roman")},
        {&frmSorvane::cmdCalendarFont, QStringLiteral("DejaVu Sans Mono")},
    };
    for (const auto &[button, face] : faces)
        chooseFace(button, face);
    click(&frmSorvane::cmdPrint);
    ASSERT_TRUE(boxes.empty());

    const QStringList files = QDir(pdfFolder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const std::map<QString, QString> text = textByFont(QDir(pdfFolder.path()).filePath(files.front()));
    EXPECT_TRUE(window->strMonthFont.startsWith(QStringLiteral("URW Gothic"))) << window->strMonthFont.toStdString();
    EXPECT_TRUE(drawnInFace(text, window->strMonthFont, QStringLiteral("February 2003")));
    EXPECT_TRUE(drawnInFace(text, window->strHdrFont, QStringLiteral("Headerword")));
    EXPECT_TRUE(drawnInFace(text, window->strAdrFont, QStringLiteral("Addressword")));
    EXPECT_TRUE(drawnInFace(text, window->strMsgFont, QStringLiteral("Messageword")));
    EXPECT_TRUE(drawnInFace(text, window->strCalFont, QStringLiteral("Wed")));
    EXPECT_TRUE(drawnInFace(text, window->strCalFont, QStringLiteral("28")));
}

} // namespace
