// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

#include <QWidget>

class Printers;
class QLabel;
class QListWidget;
class QPushButton;

// The output device window: lists every device of the Printers collection
// with its 1-based position and makes the one the user picks current. It is
// unloaded (deleted) after a choice or when closed, so each opening builds a
// fresh list.
class frmSelectPrt : public QWidget
{
    Q_OBJECT

public:
    frmSelectPrt(Printers &printers, MsgBoxFunction msgBox, QWidget *parent = nullptr);

    // Fills the list; the creator calls it once after construction.
    void Form_Load();
    void cmdSelFont_Click();

    // The list line of a device: its position right-aligned in three
    // characters (all digits from 1000 on), a blank and its name.
    static QString deviceLine(int position, const QString &deviceName);

Q_SIGNALS:
    // The window is going away (a device was chosen, or it was closed): the
    // main window runs its hand-back, even without activation events.
    void handBack();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setupWindow();
    void setupControls();
    void chooseSelectedDevice();

    QLabel *lblProcess1 = nullptr;
    QListWidget *lstPrinterName = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdSelFont = nullptr;

    Printers &m_printers;
    MsgBoxFunction m_msgBox;
    bool m_handedBack = false;
};
