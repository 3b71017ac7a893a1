// SPDX-License-Identifier: MIT
#include "dialogs/WindowLook.h"

#include <QStyle>
#include <QWidget>

QFont windowFont(const QString &family, qreal points, bool bold)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont dialogFont(qreal points, bool bold)
{
    return windowFont(QStringLiteral("MS Sans Serif"), points, bold);
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    if (role == QPalette::Window)
        palette.setColor(QPalette::WindowText, text);
    else if (role == QPalette::Button)
        palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
}

void mirrorForRightToLeft(QWidget *area)
{
    if (!area->isRightToLeft())
        return;
    for (QWidget *control : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow())
            control->setGeometry(QStyle::visualRect(Qt::RightToLeft, area->rect(), control->geometry()));
    }
}
