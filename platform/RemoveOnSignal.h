// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Removes a file when the program is ended by SIGTERM, SIGINT or SIGHUP
// while the object lives: a half-written temporary file must not outlive the
// run that wrote it. Signals whose handling someone else has set are left
// alone. SIGKILL cannot be caught.
class RemoveOnSignal
{
public:
    explicit RemoveOnSignal(QByteArray path);
    ~RemoveOnSignal();
    RemoveOnSignal(const RemoveOnSignal &) = delete;
    RemoveOnSignal &operator=(const RemoveOnSignal &) = delete;

private:
    QByteArray m_path;
    int m_slot = -1;
};
