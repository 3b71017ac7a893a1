// SPDX-License-Identifier: MIT
#include "app/FirstPaintQuit.h"

#include <QCoreApplication>
#include <QEvent>

FirstPaintQuit::FirstPaintQuit(QObject *parent)
    : QObject(parent)
{
}

bool FirstPaintQuit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_quitting) {
        m_quitting = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
