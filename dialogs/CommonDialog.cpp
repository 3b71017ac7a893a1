// SPDX-License-Identifier: MIT
#include "dialogs/CommonDialog.h"

#include <QFontDialog>
#include <utility>

namespace {

// Qt's font dialog. Every CUPS printer and the PDF device can print any
// scalable font, so the printer-fonts flag lists the scalable ones.
std::optional<QString> chooseWithFontDialog(QWidget *parent, qint32 flags)
{
    QFontDialog dialog(parent);
    dialog.setModal(true);
    if (flags & CommonDialog::cdlCFPrinterFonts) {
        // A desktop's native dialog would ignore the filter.
        dialog.setOption(QFontDialog::ScalableFonts);
        dialog.setOption(QFontDialog::DontUseNativeDialog);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont().family();
}

} // namespace

CommonDialog::CommonDialog(FontChooser chooser)
    : m_chooser(chooser ? std::move(chooser) : FontChooser(&chooseWithFontDialog))
{
}

void CommonDialog::ShowFont(QWidget *parent)
{
    const std::optional<QString> chosen = m_chooser(parent, Flags);
    if (chosen) {
        FontName = *chosen;
        return;
    }
    if (CancelError)
        throw CommonDialogCancel();
}
