// SPDX-License-Identifier: MIT
#pragma once

#include "platform/WeekStart.h"

#include <QDialog>
#include <QList>
#include <QPageSize>

class OutputDevice;
class QComboBox;

// "Page Setup": the papers a device offers, portrait, with the one it prints
// on now chosen, and the weekday the page's weeks start on. Accepting hands
// the choices over; it never changes the device or the page itself.
class PageSetup : public QDialog
{
    Q_OBJECT

public:
    PageSetup(const OutputDevice &device, WeekStart weekStart, QWidget *parent = nullptr);

    // Chooses the offered paper equivalent to size, if any.
    void choose(const QPageSize &size);

Q_SIGNALS:
    void paperChosen(const QPageSize &size);
    void weekStartChosen(WeekStart weekStart);

private:
    QList<QPageSize> m_sizes;
    QComboBox *m_paper = nullptr;
    QComboBox *m_weekStart = nullptr;
};
