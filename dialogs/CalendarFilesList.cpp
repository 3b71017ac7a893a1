// SPDX-License-Identifier: MIT
#include "dialogs/CalendarFilesList.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CalendarFilesList::CalendarFilesList(const QStringList &paths, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Calendar Files"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(tr("&Attached calendar files and address books:"), this);
    layout->addWidget(caption);
    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("lstCalendarFiles"));
    m_files->addItems(paths);
    m_files->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    caption->setBuddy(m_files);
    layout->addWidget(m_files);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_detach = buttons->addButton(tr("&Detach"), QDialogButtonBox::ActionRole);
    m_detach->setObjectName(QStringLiteral("cmdDetach"));
    layout->addWidget(buttons);
    connect(m_detach, &QPushButton::clicked, this, &CalendarFilesList::detachChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_files, &QListWidget::currentRowChanged, this, &CalendarFilesList::enableDetach);
    if (!paths.isEmpty())
        m_files->setCurrentRow(0);
    enableDetach();
}

void CalendarFilesList::detachChosen()
{
    QListWidgetItem *chosen = m_files->currentItem();
    if (!chosen)
        return;
    const QString path = chosen->text();
    delete chosen;
    enableDetach();
    Q_EMIT detachRequested(path);
}

void CalendarFilesList::enableDetach()
{
    m_detach->setEnabled(m_files->currentItem() != nullptr);
}
