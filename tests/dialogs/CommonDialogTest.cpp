// SPDX-License-Identifier: MIT
#include "dialogs/CommonDialog.h"

#include "FontDialogUser.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(CommonDialogTest, ShowFontOpensQtsModalDialogListingScalableFonts)
{
    QWidget owner;
    FontDialogUser user([](QFontDialog *dialog) { pickFace(dialog, QStringLiteral("Liberation Serif")); });
    CommonDialog cdl;
    cdl.Flags = CommonDialog::cdlCFPrinterFonts;

    cdl.ShowFont(&owner);

    ASSERT_EQ(user.shown, 1);
    EXPECT_TRUE(user.wasModal);
    EXPECT_TRUE(user.options.testFlag(QFontDialog::ScalableFonts));
    EXPECT_EQ(user.owner, &owner);
}

TEST(CommonDialogTest, FontNameIsTheFaceOnlyWhateverSizeAndStyle)
{
    FontDialogUser user([](QFontDialog *dialog) { pickFace(dialog, QStringLiteral("Liberation Mono")); });
    CommonDialog cdl;
    cdl.Flags = CommonDialog::cdlCFPrinterFonts;

    cdl.ShowFont(nullptr);

    EXPECT_EQ(cdl.FontName, QStringLiteral("Liberation Mono"));
}

TEST(CommonDialogTest, CancelWithCancelErrorThrows)
{
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    CommonDialog cdl;
    cdl.FontName = QStringLiteral("Arial");
    cdl.CancelError = true;

    EXPECT_THROW(cdl.ShowFont(nullptr), CommonDialogCancel);
    EXPECT_EQ(cdl.FontName, QStringLiteral("Arial"));
}

TEST(CommonDialogTest, CancelWithoutCancelErrorKeepsFontName)
{
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    CommonDialog cdl;
    cdl.FontName = QStringLiteral("Arial");

    EXPECT_NO_THROW(cdl.ShowFont(nullptr));
    EXPECT_EQ(cdl.FontName, QStringLiteral("Arial"));
}

} // namespace
