// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QFontDialog>
#include <QListView>
#include <functional>

// Plays the user of the QFontDialogs shown while it exists: once a dialog's
// event loop runs, it records what the dialog looks like and answers it.
class FontDialogUser : public QObject
{
public:
    explicit FontDialogUser(std::function<void(QFontDialog *)> answer)
        : m_answer(std::move(answer))
    {
        qApp->installEventFilter(this);
    }
    ~FontDialogUser() override { qApp->removeEventFilter(this); }

    int shown = 0;
    bool wasModal = false;
    QFontDialog::FontDialogOptions options;
    const QWidget *owner = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QFontDialog *>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            wasModal = dialog->isModal();
            options = dialog->options();
            owner = dialog->parentWidget();
            QMetaObject::invokeMethod(dialog, [this, dialog] { m_answer(dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(QFontDialog *)> m_answer;
};

// Picks the list row that shows text (or, for a family several foundries
// provide, the first "text [foundry]" row) in one of the dialog's lists.
inline bool pickRow(QListView *list, const QString &text)
{
    const QAbstractItemModel *model = list->model();
    QModelIndex found;
    for (int row = 0; row < model->rowCount() && !found.isValid(); ++row) {
        const QString shown = model->index(row, 0).data().toString();
        if (shown == text || shown.startsWith(text + QStringLiteral(" [")))
            found = model->index(row, 0);
    }
    if (found.isValid())
        list->setCurrentIndex(found);
    return found.isValid();
}

// The user clicks a face in the family list, and a style and size that must
// not matter, then confirms. A face the dialog does not offer is a cancel.
inline void pickFace(QFontDialog *dialog, const QString &family)
{
    // The family, style and size lists, in that order.
    const QList<QListView *> lists = dialog->findChildren<QListView *>();
    if (lists.size() != 3 || !pickRow(lists[0], family)) {
        dialog->reject();
        return;
    }
    QListView *styles = lists[1];
    styles->setCurrentIndex(styles->model()->index(styles->model()->rowCount() - 1, 0));
    pickRow(lists[2], QStringLiteral("36"));
    dialog->accept();
}
