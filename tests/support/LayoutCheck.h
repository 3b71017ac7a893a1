// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

// What a user sees of a window's layout: every control lies inside the area
// that holds it, every caption shows whole, and no two controls a user can
// click or type into cover each other (labels and frames may touch them).
inline bool takesInput(const QWidget *control)
{
    return control->focusPolicy() != Qt::NoFocus && !qobject_cast<const QLabel *>(control);
}

inline void expectReadableLayout(const QWidget *area)
{
    const QList<QWidget *> controls = area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls) {
        if (control->isHidden())
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(area->rect().contains(control->geometry())) << "outside its window";
        const QFontMetrics metrics(control->font());
        if (const auto *label = qobject_cast<const QLabel *>(control)) {
            if (label->wordWrap())
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "last words cut off";
            else
                EXPECT_LE(metrics.boundingRect(QRect(), Qt::TextShowMnemonic, label->text()).width(),
                          label->contentsRect().width());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
            // The mnemonic's "&" is not drawn.
            EXPECT_LT(metrics.horizontalAdvance(QString(button->text()).remove(u'&')), button->width())
                << "caption cut off";
        }
        for (const QWidget *other : controls) {
            if (other == control || other->isHidden() || !takesInput(control) || !takesInput(other))
                continue;
            EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                << "covers " << other->objectName().toStdString();
        }
    }
}
