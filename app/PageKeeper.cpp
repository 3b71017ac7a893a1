// SPDX-License-Identifier: MIT
#include "app/PageKeeper.h"

#include "app/frmSorvane.h"
#include "input/ShowPicFile.h"

#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>

PageKeeper::PageKeeper(frmSorvane &window, Printers &printers, PageSettings settings, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_printers(printers)
    , m_settings(std::move(settings))
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &PageKeeper::restoreFiles);
}

void PageKeeper::restore()
{
    m_remembered = m_settings.load();
    m_window.restore(m_remembered);
    m_filesPending = true;
    m_window.centralWidget()->installEventFilter(this);
}

void PageKeeper::store() const
{
    RememberedPage remembered = m_window.remembered();
    if (m_filesPending) {
        // Ended before the files were opened again: they are still wanted.
        if (remembered.picturePath.isEmpty())
            remembered.picturePath = m_remembered.picturePath;
        remembered.calendarFiles = m_remembered.calendarFiles + remembered.calendarFiles;
        remembered.calendarFiles.removeDuplicates();
        remembered.deviceName = m_remembered.deviceName;
        remembered.paper = m_remembered.paper;
    } else {
        remembered.takeDevice(m_printers);
    }
    m_settings.store(remembered);
}

bool PageKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_filesPending) {
        watched->removeEventFilter(this);
        // A timer, not a queued call: it waits until whatever the first
        // frame queued has been handled.
        m_idle.start(0);
    }
    return QObject::eventFilter(watched, event);
}

void PageKeeper::restoreFiles()
{
    m_filesPending = false;
    m_window.openFiles(m_remembered.calendarFilesToOpen());
    // A picture the command line has opened meanwhile stays.
    if (!m_window.page().binSelPic && !m_remembered.pictureToOpen().isEmpty())
        loadPicture(m_remembered.pictureToOpen());
    if (!m_remembered.restoreDevice(m_printers))
        m_settings.keepAside();
    Q_EMIT restored();
}

// A large photo takes a while to decode: the window stays usable meanwhile.
void PageKeeper::loadPicture(const QString &path)
{
    struct Loaded
    {
        Picture picture;
        bool selected = false;
    };
    const auto loaded = std::make_shared<Loaded>();
    QThread *loader = QThread::create([path, loaded] { ShowPicFile(path, loaded->picture, loaded->selected); });
    connect(loader, &QThread::finished, this, [this, loaded] {
        if (!loaded->selected || m_window.page().binSelPic)
            return;
        CalendarPage page = m_window.page();
        page.picture = loaded->picture;
        page.binSelPic = true;
        m_window.setPage(page);
    });
    connect(loader, &QThread::finished, loader, &QObject::deleteLater);
    loader->start();
}
