// SPDX-License-Identifier: MIT
#include "app/PrintProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

PrintProgress::PrintProgress(QWidget *window, std::chrono::milliseconds showAfter)
    : m_window(window)
    , m_showAfter(showAfter)
{
    m_clock.start();
}

PrintProgress::~PrintProgress()
{
    delete m_dialog;
}

CopyProgress PrintProgress::hook()
{
    return [this](int copy, int copies) { return copyStarts(copy, copies); };
}

bool PrintProgress::copyStarts(int copy, int copies)
{
    if (!m_dialog && m_clock.elapsed() >= m_showAfter.count())
        showDialog(copies);
    if (m_dialog) {
        m_dialog->setLabelText(labelText(copy, copies));
        // A modal dialog lets the windows repaint here, and takes the Cancel.
        m_dialog->setValue(copy - 1);
        m_canceled = m_canceled || m_dialog->wasCanceled();
    }
    return !m_canceled;
}

QProgressDialog *PrintProgress::dialog() const
{
    return m_dialog;
}

QString PrintProgress::labelText(int copy, int copies)
{
    return QCoreApplication::translate("PrintProgress", "Printing copy %1 of %2").arg(copy).arg(copies);
}

void PrintProgress::showDialog(int copies)
{
    // Modal to the window, so that nothing there starts another print while
    // this one lets events through.
    m_dialog = new QProgressDialog(QString(), QCoreApplication::translate("PrintProgress", "Cancel"), 0, copies,
                                   m_window);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->show();
}
