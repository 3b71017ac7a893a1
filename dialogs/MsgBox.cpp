// SPDX-License-Identifier: MIT
#include "dialogs/MsgBox.h"

#include <QMessageBox>
#include <QPointer>

void showMsgBox(QWidget *parent, const MsgBoxRequest &request)
{
    QMessageBox box(request.style == MsgBoxInformation ? QMessageBox::Information : QMessageBox::NoIcon,
                    effectiveTitle(request),
                    QString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MsgBoxFunction msgBoxesOver(QWidget *parent)
{
    QPointer<QWidget> guarded(parent);
    return [guarded](const MsgBoxRequest &request) { showMsgBox(guarded.data(), request); };
}
