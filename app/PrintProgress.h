// SPDX-License-Identifier: MIT
#pragma once

#include "surface/OutputDevice.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <chrono>

class QProgressDialog;
class QWidget;

// What a long print shows: once it has run for showAfter, a dialog
// "Printing copy 120 of 32767" with Cancel, modal to the window, which keeps
// the window repainting. A print that ends sooner shows nothing. Made when
// a print starts; hook() is what the print surface tells of every copy.
class PrintProgress
{
public:
    explicit PrintProgress(QWidget *window, std::chrono::milliseconds showAfter = std::chrono::milliseconds(500));
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    // Valid while this object lives.
    CopyProgress hook();

    // Tells of the copy about to be printed; false once Cancel was pressed.
    bool copyStarts(int copy, int copies);
    bool wasCanceled() const { return m_canceled; }
    // The dialog, once shown.
    QProgressDialog *dialog() const;

    static QString labelText(int copy, int copies);

private:
    void showDialog(int copies);

    QPointer<QWidget> m_window;
    std::chrono::milliseconds m_showAfter;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
    bool m_canceled = false;
};
