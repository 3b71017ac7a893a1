// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <exception>
#include <functional>
#include <optional>

class QWidget;

// Raised by ShowFont when the user cancels and CancelError is set.
class CommonDialogCancel : public std::exception
{
public:
    const char *what() const noexcept override { return "Cancel was selected."; }
};

// The program's font dialog control: set CancelError and Flags, call
// ShowFont, read FontName. One instance serves the whole run.
class CommonDialog
{
public:
    // Flags bit: list only the fonts the output device can print.
    static constexpr qint32 cdlCFPrinterFonts = 2;

    // Shows a modal font choice for the given flags and returns the chosen
    // family, or nothing when cancelled.
    using FontChooser = std::function<std::optional<QString>(QWidget *parent, qint32 flags)>;

    // An empty chooser shows Qt's font dialog.
    explicit CommonDialog(FontChooser chooser = {});

    bool CancelError = false;
    qint32 Flags = 0;
    QString FontName;

    // Shows the dialog modally over parent. A confirmed choice sets FontName;
    // a cancel leaves it, and throws CommonDialogCancel when CancelError is set.
    void ShowFont(QWidget *parent);

private:
    FontChooser m_chooser;
};
