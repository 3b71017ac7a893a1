// SPDX-License-Identifier: MIT
#include "dialogs/CommonDialog.h"
#include "tests/support/RowName.h"
#include "dialogs/SelFontName.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const MsgBoxRequest Refusal{QStringLiteral("Select the Printer . . .  "), MsgBoxInformation,
                            QStringLiteral("Calendar Printer Selection")};

// A font dialog whose user picks the given face (or cancels) and that counts
// how often and with which flags it was shown.
struct ScriptedUser
{
    std::optional<QString> answer;
    int shown = 0;
    qint32 flags = -1;

    CommonDialog::FontChooser chooser()
    {
        return [this](QWidget *, qint32 shownFlags) {
            ++shown;
            flags = shownFlags;
            return answer;
        };
    }
};

struct Recorder
{
    std::vector<MsgBoxRequest> boxes;
    MsgBoxFunction function()
    {
        return [this](const MsgBoxRequest &request) { boxes.push_back(request); };
    }
};

TEST(SelFontNameTest, RefusesBeforeTheDeviceWindowWasOpened)
{
    ScriptedUser user{QStringLiteral("Liberation Serif")};
    CommonDialog dialog(user.chooser());
    Recorder recorder;
    QString strHdrFont = QStringLiteral("Arial");

    storeFontChoice(SelFontName(false, dialog, recorder.function(), nullptr), strHdrFont);

    EXPECT_EQ(user.shown, 0);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0], Refusal);
    EXPECT_EQ(strHdrFont, QStringLiteral("Arial"));
}

TEST(SelFontNameTest, OpensTheDialogForPrinterFontsOnceTheDeviceWindowWasOpened)
{
    ScriptedUser user{QStringLiteral("Liberation Serif")};
    CommonDialog dialog(user.chooser());
    Recorder recorder;

    EXPECT_EQ(SelFontName(true, dialog, recorder.function(), nullptr), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(user.shown, 1);
    EXPECT_EQ(user.flags, CommonDialog::cdlCFPrinterFonts);
    EXPECT_TRUE(dialog.CancelError);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(SelFontNameTest, CancelKeepsTheNameSilently)
{
    ScriptedUser user{std::nullopt};
    CommonDialog dialog(user.chooser());
    Recorder recorder;
    QString strAdrFont = QStringLiteral("Times");

    const QString result = SelFontName(true, dialog, recorder.function(), nullptr);
    storeFontChoice(result, strAdrFont);

    EXPECT_EQ(result, QStringLiteral("Cancel"));
    EXPECT_EQ(strAdrFont, QStringLiteral("Times"));
    EXPECT_TRUE(recorder.boxes.empty());
}

// The shared instance keeps the name of an earlier choice; a later cancel
// must not hand it out again as if it had been chosen.
TEST(SelFontNameTest, CancelAfterAnEarlierChoiceIsStillCancel)
{
    ScriptedUser user{QStringLiteral("Liberation Mono")};
    CommonDialog dialog(user.chooser());
    Recorder recorder;
    ASSERT_EQ(SelFontName(true, dialog, recorder.function(), nullptr), QStringLiteral("Liberation Mono"));

    user.answer.reset();
    dialog.CancelError = false;
    EXPECT_EQ(SelFontName(true, dialog, recorder.function(), nullptr), QStringLiteral("Cancel"));
}

TEST(SelFontNameTest, AnyFailureOfTheDialogIsCancel)
{
    CommonDialog dialog([](QWidget *, qint32) -> std::optional<QString> {
        throw std::runtime_error("no font database");
    });
    Recorder recorder;

    EXPECT_EQ(SelFontName(true, dialog, recorder.function(), nullptr), QStringLiteral("Cancel"));
    EXPECT_TRUE(recorder.boxes.empty());
}

struct FaceCase
{
    const char *name;
    QString chosenFace;
    QString expectedFont;
};

void PrintTo(const FaceCase &row, std::ostream *os)
{
    *os << row.name;
}

class SelFontNameFaceTest : public testing::TestWithParam<FaceCase>
{
};

TEST_P(SelFontNameFaceTest, StoresTheChosenFaceUnlessItSaysCancel)
{
    ScriptedUser user{GetParam().chosenFace};
    CommonDialog dialog(user.chooser());
    Recorder recorder;
    QString strMsgFont = QStringLiteral("Arial");

    storeFontChoice(SelFontName(true, dialog, recorder.function(), nullptr), strMsgFont);

    EXPECT_EQ(strMsgFont, GetParam().expectedFont);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, SelFontNameFaceTest,
    testing::Values(FaceCase{"OrdinaryFace", QStringLiteral("Liberation Serif"), QStringLiteral("Liberation Serif")},
                    FaceCase{"CapitalCancelInside", QStringLiteral("Anti Cancel Sans"), QStringLiteral("Arial")},
                    FaceCase{"LowerCaseCancel", QStringLiteral("Uncancelled Sans"), QStringLiteral("Uncancelled Sans")}),
    RowName());

struct StoreCase
{
    const char *name;
    QString result;
    bool stored;
};

void PrintTo(const StoreCase &row, std::ostream *os)
{
    *os << row.name;
}

class StoreFontChoiceTest : public testing::TestWithParam<StoreCase>
{
};

TEST_P(StoreFontChoiceTest, StoresOnlyResultsWithoutCancel)
{
    QString fontName = QStringLiteral("Arial");
    storeFontChoice(GetParam().result, fontName);
    EXPECT_EQ(fontName, GetParam().stored ? GetParam().result : QStringLiteral("Arial"));
}

INSTANTIATE_TEST_SUITE_P(
    Results, StoreFontChoiceTest,
    testing::Values(StoreCase{"FaceName", QStringLiteral("DejaVu Sans"), true},
                    StoreCase{"FaceWithBlanksAndDigits", QStringLiteral("Noto Sans CJK 2"), true},
                    StoreCase{"LiteralCancel", QStringLiteral("Cancel"), false},
                    StoreCase{"CancelAtStart", QStringLiteral("Cancellation Serif"), false},
                    StoreCase{"CancelAtEnd", QStringLiteral("Do Not Cancel"), false},
                    StoreCase{"LowerCase", QStringLiteral("cancel"), true},
                    StoreCase{"UpperCase", QStringLiteral("CANCEL"), true},
                    StoreCase{"SplitByBlank", QStringLiteral("Can cel"), true}),
    RowName());

} // namespace
