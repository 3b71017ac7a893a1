// SPDX-License-Identifier: MIT
#include "dialogs/FirstArrowSelects.h"

#include <QKeyEvent>
#include <QListWidget>

FirstArrowSelects::FirstArrowSelects(QListWidget *list)
    : QObject(list)
    , m_list(list)
{
    list->installEventFilter(this);
}

bool FirstArrowSelects::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress || m_list->count() == 0
        || !m_list->selectedItems().isEmpty())
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Down && key != Qt::Key_Up)
        return false;
    m_list->setCurrentRow(qMax(m_list->currentRow(), 0), QItemSelectionModel::ClearAndSelect);
    return true;
}
