// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// "Calendar Files": the calendar files and address books attached to the
// page, one a line; "Detach" hands over the chosen one to be detached and
// takes it off the list.
class CalendarFilesList : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarFilesList(const QStringList &paths, QWidget *parent = nullptr);

Q_SIGNALS:
    void detachRequested(const QString &path);

private:
    void detachChosen();
    void enableDetach();

    QListWidget *m_files = nullptr;
    QPushButton *m_detach = nullptr;
};
