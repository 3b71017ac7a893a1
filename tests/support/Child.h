// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QTest>
#include <gtest/gtest.h>

// A window's control found by its object name, as a user finds it by its
// place; a missing control fails the test. window is any pointer to it.
template<typename Control, typename Window>
Control *child(const Window &window, const QString &name)
{
    const QObject &owner = *window;
    auto *found = owner.findChild<Control *>(name);
    if (!found)
        ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}

// A window of the program found by its title, as a user finds it on the
// screen; nullptr when none is loaded. Closed windows go once deferred
// deletes have run.
template<typename Window = QWidget>
Window *windowTitled(const QString &title)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *found = qobject_cast<Window *>(window);
        if (found && window->windowTitle() == title)
            return found;
    }
    return nullptr;
}

// Replaces a field's text by typing, as the user does.
inline void typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}
