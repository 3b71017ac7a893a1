// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Ends the program once the watched widget has painted for the first time;
// lets a benchmark time the start of the program up to its first frame.
class FirstPaintQuit : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintQuit(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_quitting = false;
};
