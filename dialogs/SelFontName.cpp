// SPDX-License-Identifier: MIT
#include "dialogs/SelFontName.h"

#include <QCoreApplication>

#include "dialogs/CommonDialog.h"

namespace {

const QString CancelResult = QStringLiteral("Cancel");

} // namespace

QString SelFontName(bool binSelPrt, CommonDialog &cdlSelectPrtFont, const MsgBoxFunction &msgBox, QWidget *parent)
{
    if (!binSelPrt) {
        msgBox({QCoreApplication::translate("SelFontName", "Select the Printer . . .  "), MsgBoxInformation,
                QCoreApplication::translate("SelFontName", "Calendar Printer Selection")});
        return CancelResult;
    }
    cdlSelectPrtFont.CancelError = true;
    try {
        cdlSelectPrtFont.Flags = CommonDialog::cdlCFPrinterFonts;
        cdlSelectPrtFont.ShowFont(parent);
        return cdlSelectPrtFont.FontName;
    } catch (...) {
        return CancelResult;
    }
}

void storeFontChoice(const QString &result, QString &fontName)
{
    if (!result.contains(CancelResult, Qt::CaseSensitive))
        fontName = result;
}
