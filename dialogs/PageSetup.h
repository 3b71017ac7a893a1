// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QPageSize>

class OutputDevice;
class QComboBox;

// "Page Setup": the papers a device offers, portrait, with the one it prints
// on now chosen. Accepting hands the chosen paper over; it never changes the
// device itself.
class PageSetup : public QDialog
{
    Q_OBJECT

public:
    explicit PageSetup(const OutputDevice &device, QWidget *parent = nullptr);

    // Chooses the offered paper equivalent to size, if any.
    void choose(const QPageSize &size);

Q_SIGNALS:
    void paperChosen(const QPageSize &size);

private:
    QList<QPageSize> m_sizes;
    QComboBox *m_paper = nullptr;
};
