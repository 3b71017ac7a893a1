// SPDX-License-Identifier: MIT
#include "dialogs/frmFindFiles.h"

#include "dialogs/FirstArrowSelects.h"
#include "dialogs/MsgBox.h"
#include "dialogs/WindowLook.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStorageInfo>
#include <QStyle>

namespace {

QString withSeparator(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString childPath(const QString &parent, const QString &name)
{
    return withSeparator(parent) + name;
}

constexpr int PathRole = Qt::UserRole;
const QString Indent = QStringLiteral("   ");

} // namespace

frmFindFiles::frmFindFiles(MsgBoxFunction msgBox, QStringList drives, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_msgBox(msgBox ? std::move(msgBox) : msgBoxesOver(this))
{
    setupWindow();
    setupControls();
    mirrorForRightToLeft(this);
    setupDrives(drives);
    m_dirPath = QDir::cleanPath(QDir::currentPath());
    m_filePath = m_dirPath;
    fillDirectoryList();
    fillFileList();
    Form_Load();
}

QStringList frmFindFiles::fileSystemRoots()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && volume.device().startsWith("/dev/")
            && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    return roots;
}

void frmFindFiles::Form_Load()
{
    strFileName.clear();
}

void frmFindFiles::drvDrive_Change()
{
    const QString root = drvDrive->currentText();
    const QFileInfo info(root);
    if (!info.isDir() || !info.isReadable() || !QDir(root).isReadable()) {
        drvDrive->setCurrentIndex(m_driveIndex);
        m_msgBox(tryAgainBox(tr("The drive cannot be read.")));
        return;
    }
    m_driveIndex = drvDrive->currentIndex();
    setDirectoryPath(root);
    updateBasePath();
}

void frmFindFiles::DirDirectory_Change()
{
    m_filePath = m_dirPath;
    fillFileList();
    updateBasePath();
}

void frmFindFiles::filFilename_Click()
{
    const QList<QListWidgetItem *> selected = filFilename->selectedItems();
    if (selected.isEmpty())
        return;
    strFileName = strBasePath + selected.first()->text();
    Q_EMIT fileClicked(strFileName);
}

void frmFindFiles::cmdDone_Click()
{
    hide();
    setPrompt(QStringLiteral(" "));
    Q_EMIT handBack(strFileName);
}

void frmFindFiles::setPrompt(const QString &prompt)
{
    lblSelectInfo->setText(prompt);
    // A screen reader would read the line break as a character.
    QString sentence = QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    lblSelectInfo->setAccessibleName(sentence.remove(u'&'));
}

void frmFindFiles::setDirectoryPath(const QString &path)
{
    m_dirPath = QDir::cleanPath(QDir(path).absolutePath());
    fillDirectoryList();
    DirDirectory_Change();
}

void frmFindFiles::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT cancelled();
}

bool frmFindFiles::eventFilter(QObject *watched, QEvent *event)
{
    // Return on a file picks it and confirms, as clicking it and "Select".
    if (watched == filFilename && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && filFilename->currentItem()) {
            filFilename->currentItem()->setSelected(true);
            cmdDone_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmFindFiles::setupWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Select Files"));
    setFixedSize(twipsToPixels(6885), twipsToPixels(9825));
    setFont(dialogFont(8.25, true));
    setColour(this, QPalette::Window, QColor(0, 64, 0));
    setAutoFillBackground(true);
}

void frmFindFiles::setupControls()
{
    const QFont listFont = dialogFont(8.25, false);

    drvDrive = new QComboBox(this);
    drvDrive->setObjectName(QStringLiteral("drvDrive"));
    drvDrive->setGeometry(twipsRect(120, 240, 2535, 315));
    drvDrive->setFont(listFont);
    drvDrive->setAccessibleName(tr("Drives"));
    connect(drvDrive, &QComboBox::activated, this, &frmFindFiles::drvDrive_Change);

    DirDirectory = new QListWidget(this);
    DirDirectory->setObjectName(QStringLiteral("DirDirectory"));
    DirDirectory->setGeometry(twipsRect(120, 720, 2535, 4140));
    DirDirectory->setFont(listFont);
    DirDirectory->setAccessibleName(tr("Folders"));
    connect(DirDirectory, &QListWidget::itemActivated, this, &frmFindFiles::openDirectoryItem);

    filFilename = new QListWidget(this);
    filFilename->setObjectName(QStringLiteral("filFilename"));
    filFilename->setGeometry(twipsRect(3240, 240, 2655, 4575));
    filFilename->setFont(listFont);
    filFilename->setAccessibleName(tr("Files"));
    connect(filFilename, &QListWidget::itemSelectionChanged, this, &frmFindFiles::filFilename_Click);
    filFilename->installEventFilter(this);
    new FirstArrowSelects(filFilename);

    cmdDone = new QPushButton(tr("&Select"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    cmdDone->setGeometry(twipsRect(2257, 5520, 1500, 400));
    cmdDone->setAutoDefault(true);
    setColour(cmdDone, QPalette::Button, QColor(255, 224, 192));
    connect(cmdDone, &QPushButton::clicked, this, &frmFindFiles::cmdDone_Click);

    lblSelectInfo = new QLabel(this);
    lblSelectInfo->setObjectName(QStringLiteral("lblSelectInfo"));
    lblSelectInfo->setGeometry(twipsRect(120, 6120, 5775, 615));
    lblSelectInfo->setFont(dialogFont(12, true));
    lblSelectInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(lblSelectInfo, QPalette::WindowText, QColor(224, 224, 224));
    // The caller's prompt names the file list's mnemonic.
    lblSelectInfo->setBuddy(filFilename);

    auto *cancel = new QShortcut(QKeySequence::Cancel, this);
    connect(cancel, &QShortcut::activated, this, &QWidget::close);

    setTabOrder(cmdDone, drvDrive);
    setTabOrder(drvDrive, DirDirectory);
    setTabOrder(DirDirectory, filFilename);
}

void frmFindFiles::setupDrives(const QStringList &drives)
{
    drvDrive->addItems(drives);
    m_driveIndex = driveIndexFor(drives, QDir::currentPath());
    drvDrive->setCurrentIndex(m_driveIndex);
}

int frmFindFiles::driveIndexFor(const QStringList &drives, const QString &path)
{
    const QString inside = withSeparator(QDir::cleanPath(path));
    int best = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString root = withSeparator(drives.at(i));
        if (inside.startsWith(root) && (best < 0 || root.size() > withSeparator(drives.at(best)).size()))
            best = i;
    }
    return best < 0 ? 0 : best;
}

void frmFindFiles::fillDirectoryList()
{
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    DirDirectory->clear();

    auto add = [this](const QIcon &icon, int depth, const QString &name, const QString &path) {
        auto *item = new QListWidgetItem(icon, Indent.repeated(depth) + name, DirDirectory);
        item->setData(PathRole, path);
        return item;
    };

    QString path = QStringLiteral("/");
    QListWidgetItem *current = add(openIcon, 0, path, path);
    const QStringList parts = m_dirPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int depth = 0; depth < parts.size(); ++depth) {
        path = childPath(path, parts.at(depth));
        current = add(openIcon, depth + 1, parts.at(depth), path);
    }
    const QStringList children =
        QDir(m_dirPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children)
        add(closedIcon, int(parts.size()) + 1, child, childPath(m_dirPath, child));
    DirDirectory->setCurrentItem(current);
}

void frmFindFiles::fillFileList()
{
    filFilename->clear();
    filFilename->addItems(QDir(m_filePath).entryList(QDir::Files | QDir::Hidden | QDir::System,
                                                      QDir::Name | QDir::IgnoreCase));
}

void frmFindFiles::updateBasePath()
{
    strBasePath = withSeparator(m_filePath);
}

void frmFindFiles::openDirectoryItem()
{
    if (QListWidgetItem *item = DirDirectory->currentItem())
        setDirectoryPath(item->data(PathRole).toString());
}
