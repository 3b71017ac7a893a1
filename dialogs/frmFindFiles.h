// SPDX-License-Identifier: MIT
#pragma once

#include "platform/MsgBoxRequest.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The program's own file chooser: a drive (file-system root) list, a
// directory list and a file list. The caller sets a prompt and shows the
// window; the chooser tells it every file the user clicks and hands back the
// last one on "Select" (or Return on a file). "Select" only hides the
// window, so the prompt and the file survive for the next request; Escape
// or the window manager's close unloads it and hands back nothing. Browsing
// never changes the process's current directory: a bare file name picked
// before any change names a file there.
class frmFindFiles : public QWidget
{
    Q_OBJECT

public:
    // drives: the roots the drive list offers; the root holding the current
    // directory is chosen at load.
    explicit frmFindFiles(MsgBoxFunction msgBox = {}, QStringList drives = fileSystemRoots(),
                          QWidget *parent = nullptr);

    // "/" and the mounted volumes backed by a block device.
    static QStringList fileSystemRoots();

    void Form_Load();
    void drvDrive_Change();
    void DirDirectory_Change();
    void filFilename_Click();
    void cmdDone_Click();

    // The directory list's Path; setting it runs DirDirectory_Change.
    QString directoryPath() const { return m_dirPath; }
    void setDirectoryPath(const QString &path);
    // The file list's Path.
    QString filePath() const { return m_filePath; }

    // Path of the file clicked last: the shown directory and the file's name.
    QString fileName() const { return strFileName; }
    // The shown directory, ending in exactly one "/" once set.
    QString basePath() const { return strBasePath; }
    void setPrompt(const QString &prompt);

Q_SIGNALS:
    // The user clicked a file: path is what fileName() now holds.
    void fileClicked(const QString &path);
    // "Select" hid the window: the caller takes path, the file clicked last.
    void handBack(const QString &path);
    // The window was closed without a choice; it is unloaded.
    void cancelled();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupWindow();
    void setupControls();
    void setupDrives(const QStringList &drives);
    void fillDirectoryList();
    void fillFileList();
    void updateBasePath();
    void openDirectoryItem();
    static int driveIndexFor(const QStringList &drives, const QString &path);

    QComboBox *drvDrive = nullptr;
    QListWidget *DirDirectory = nullptr;
    QListWidget *filFilename = nullptr;
    QPushButton *cmdDone = nullptr;
    QLabel *lblSelectInfo = nullptr;

    QString strFileName;
    QString strBasePath;
    MsgBoxFunction m_msgBox;
    QString m_dirPath;
    QString m_filePath;
    int m_driveIndex = -1;
};
