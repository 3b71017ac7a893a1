#include "dialogs/CommonDialog.h"

#include <QApplication>
#include <QFontDialog>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Plays the user of the next QFontDialog that is shown: once its event loop
// runs, it records what the dialog looks like and then answers it.
class FontDialogUser : public QObject
{
public:
    explicit FontDialogUser(std::function<void(QFontDialog *)> answer)
        : m_answer(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~FontDialogUser() override { qApp->removeEventFilter(this); }

    bool seen = false;
    bool wasModal = false;
    QFontDialog::FontDialogOptions options;
    const QWidget *owner = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QFontDialog *>(watched);
        if (dialog && event->type() == QEvent::Show && !seen) {
            seen = true;
            wasModal = dialog->isModal();
            options = dialog->options();
            owner = dialog->parentWidget();
            QMetaObject::invokeMethod(dialog, [this, dialog] { m_answer(dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(QFontDialog *)> m_answer;
};

void pickFace(QFontDialog *dialog, const QString &family)
{
    QFont font(family);
    font.setPointSize(36);
    font.setItalic(true);
    dialog->setCurrentFont(font);
    dialog->accept();
}

TEST(CommonDialog, ShowFontOpensQtsModalDialogListingScalableFonts)
{
    QWidget owner;
    FontDialogUser user([](QFontDialog *dialog) { pickFace(dialog, QStringLiteral("Liberation Serif")); });
    CommonDialog cdl;
    cdl.Flags = CommonDialog::cdlCFPrinterFonts;

    cdl.ShowFont(&owner);

    ASSERT_TRUE(user.seen);
    EXPECT_TRUE(user.wasModal);
    EXPECT_TRUE(user.options.testFlag(QFontDialog::ScalableFonts));
    EXPECT_EQ(user.owner, &owner);
}

TEST(CommonDialog, FontNameIsTheFaceOnlyWhateverSizeAndStyle)
{
    FontDialogUser user([](QFontDialog *dialog) { pickFace(dialog, QStringLiteral("Liberation Mono")); });
    CommonDialog cdl;
    cdl.Flags = CommonDialog::cdlCFPrinterFonts;

    cdl.ShowFont(nullptr);

    EXPECT_EQ(cdl.FontName, QStringLiteral("Liberation Mono"));
}

TEST(CommonDialog, CancelWithCancelErrorThrows)
{
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    CommonDialog cdl;
    cdl.FontName = QStringLiteral("Arial");
    cdl.CancelError = true;

    EXPECT_THROW(cdl.ShowFont(nullptr), CommonDialogCancel);
    EXPECT_EQ(cdl.FontName, QStringLiteral("Arial"));
}

TEST(CommonDialog, CancelWithoutCancelErrorKeepsFontName)
{
    FontDialogUser user([](QFontDialog *dialog) { dialog->reject(); });
    CommonDialog cdl;
    cdl.FontName = QStringLiteral("Arial");

    EXPECT_NO_THROW(cdl.ShowFont(nullptr));
    EXPECT_EQ(cdl.FontName, QStringLiteral("Arial"));
}

} // namespace
