// SPDX-License-Identifier: MIT
#pragma once

#include "app/RememberedPage.h"

#include <QString>

// Where the remembered page is kept: an INI file in the user's configuration
// folder, named after the organisation and the application.
class PageSettings
{
public:
    // The user's own settings file.
    PageSettings();
    explicit PageSettings(QString fileName);

    const QString &fileName() const { return m_fileName; }

    // The page as last stored. Anything missing, unreadable or out of range
    // gives the start value instead, without a word; such a file is first
    // kept aside as "<name>.bak" so that nothing of it is lost.
    RememberedPage load() const;
    // False when the file cannot be written.
    bool store(const RememberedPage &remembered) const;
    // Copies the file to "<name>.bak", replacing an older copy.
    void keepAside() const;

private:
    QString m_fileName;
};
