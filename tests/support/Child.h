// SPDX-License-Identifier: MIT
#pragma once

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

// Replaces a field's text by typing, as the user does.
inline void typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}
