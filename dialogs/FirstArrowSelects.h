// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QListWidget;

// Tabbing into a list makes its first line current without selecting it, so
// the first Down would skip it. While nothing is selected, Up or Down
// selects the current line (the first when there is none); after that the
// arrows move as usual. It lives as long as the list it watches.
class FirstArrowSelects : public QObject
{
    Q_OBJECT

public:
    explicit FirstArrowSelects(QListWidget *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list;
};
