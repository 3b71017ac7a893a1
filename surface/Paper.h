// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>
#include <optional>

// Paper sizes as people and the system name them, and the bounds of a
// paper a calendar can be read on.
class Paper
{
public:
    // "a4", "A4", "letter", "Legal", PWG names such as "na_letter_8.5x11in"
    // or "iso_a5_148x210mm"; nothing for an unknown name or a paper outside
    // the readable bounds. Always portrait.
    static std::optional<QPageSize> named(const QString &name);
    // The names named() takes besides PWG names, in lower case.
    static QStringList knownNames();
    // The short name people type for size: "a4", "letter", or its PWG name.
    static QString nameOf(const QPageSize &size);

    // The system's default paper, as Debian's tools find it: PAPERSIZE, then
    // the file PAPERCONF names or /etc/papersize, then the LC_PAPER category,
    // then the locale's measurement system (Letter for inches, else A4).
    static QPageSize systemDefault(const QLocale &locale);
    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize forLocale(const QLocale &locale);

    // From A7 up to A0: smaller holds no readable month, larger is no paper.
    static bool isReadable(const QPageSize &size);
    // A layout whose paper is readable and whose printable area is a part of
    // it that is not empty.
    static bool isUsable(const QPageLayout &layout);

    // The sizes offered when a device names none of its own.
    static QList<QPageSize> commonSizes();
};
