// SPDX-License-Identifier: MIT
#include "dialogs/frmSelectPrt.h"

#include "dialogs/FirstArrowSelects.h"
#include "dialogs/HandlerGuard.h"
#include "dialogs/WindowLook.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "surface/OutputDevice.h"
#include "surface/Printers.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QColor Background(0, 64, 0);
const QColor LabelText(255, 255, 128);

QLabel *instructionLabel(const QString &caption, const QFont &font, const QRect &geometry, QWidget *buddy)
{
    auto *label = new QLabel(caption, buddy->parentWidget());
    // Its mnemonic leads to buddy; the "&" takes no room.
    label->setBuddy(buddy);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fallback face can be wider than the one laid out for: grow downwards
    // rather than cut off the last words.
    label->resize(geometry.width(), qMax(geometry.height(), label->heightForWidth(geometry.width())));
    setColour(label, QPalette::WindowText, LabelText);
    return label;
}

// The position a list line was built from: the number before the first blank
// that follows the leading blanks (the first three characters below 1000).
QStringView linePosition(const QString &line)
{
    const QStringView text(line);
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    const qsizetype end = text.indexOf(u' ', start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

frmSelectPrt::frmSelectPrt(Printers &printers, MsgBoxFunction msgBox, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_printers(printers)
    , m_msgBox(std::move(msgBox))
{
    setupWindow();
    setupControls();
    mirrorForRightToLeft(this);
}

void frmSelectPrt::setupWindow()
{
    setWindowTitle(tr("Output Device Selection"));
    resize(twipsRect(0, 0, 8370, 5325).size());
    setColour(this, QPalette::Window, Background);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose);
}

void frmSelectPrt::setupControls()
{
    cmdSelFont = new QPushButton(tr("Select &Device"), this);
    cmdSelFont->setObjectName(QStringLiteral("cmdSelFont"));
    cmdSelFont->setGeometry(twipsRect(840, 3960, 2415, 495));
    cmdSelFont->setFont(dialogFont(9.75, true));
    cmdSelFont->setAutoDefault(true);

    lstPrinterName = new QListWidget(this);
    lstPrinterName->setObjectName(QStringLiteral("lstPrinterName"));
    lstPrinterName->setGeometry(twipsRect(3720, 360, 3735, 3375));
    lstPrinterName->setSortingEnabled(false);
    lstPrinterName->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPrinterName->setAccessibleName(tr("Devices"));

    lblProcess1 = instructionLabel(tr("First &Click on a Device from the list."),
                                   windowFont(QStringLiteral("Albertus Medium"), 12, false),
                                   twipsRect(840, 600, 2295, 735), lstPrinterName);
    lblProcess1->setObjectName(QStringLiteral("lblProcess1"));
    Label1 = instructionLabel(tr("&THEN"), windowFont(QStringLiteral("Albertus Medium"), 20.25, true),
                              twipsRect(480, 3360, 1215, 735), cmdSelFont);
    Label1->setObjectName(QStringLiteral("Label1"));
    new FirstArrowSelects(lstPrinterName);

    setTabOrder(cmdSelFont, lstPrinterName);
    cmdSelFont->setFocus();
    connect(cmdSelFont, &QPushButton::clicked, this, &frmSelectPrt::cmdSelFont_Click);
}

QString frmSelectPrt::deviceLine(int position, const QString &deviceName)
{
    return QString::number(position).rightJustified(3, u' ') + u' ' + deviceName;
}

void frmSelectPrt::Form_Load()
{
    runGuarded(m_msgBox, [this] {
        lstPrinterName->clear();
        for (int index = 0; index < m_printers.count(); ++index) {
            auto *item = new QListWidgetItem(deviceLine(index + 1, m_printers.item(index).DeviceName()),
                                             lstPrinterName);
            // The padding lines the numbers up on screen; read aloud it is noise.
            item->setData(Qt::AccessibleTextRole, item->text().trimmed());
        }
        lstPrinterName->setCurrentRow(-1);
        lstPrinterName->clearSelection();
    });
}

void frmSelectPrt::cmdSelFont_Click()
{
    runGuarded(m_msgBox, [this] { chooseSelectedDevice(); });
}

void frmSelectPrt::chooseSelectedDevice()
{
    const QList<QListWidgetItem *> selected = lstPrinterName->selectedItems();
    if (selected.isEmpty()) {
        m_msgBox({tr("Select a Printer from the list first . . ."), MsgBoxOkOnly, QString()});
        return;
    }
    const qint16 index = CInt(Val(linePosition(selected.first()->text())) - 1);
    try {
        m_printers.setCurrent(index);
    } catch (const RuntimeError &) {
        m_msgBox(tryAgainBox(tr("The device is not available.")));
        return;
    }
    hide();
    close();
}

void frmSelectPrt::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_handedBack) {
        m_handedBack = true;
        Q_EMIT handBack();
    }
}
