// SPDX-License-Identifier: MIT
#include "app/frmSorvane.h"

#include "app/ControlFileWriter.h"
#include "app/PagePreview.h"
#include "app/PictureBox.h"
#include "app/PrintProgress.h"
#include "app/RefusalWords.h"
#include "app/RememberedPage.h"
#include "dialogs/CalendarFilesList.h"
#include "dialogs/SelFontName.h"
#include "dialogs/frmFindFiles.h"
#include "dialogs/frmSelectPrt.h"
#include "drawing/CalendarPrintJob.h"
#include "dialogs/HandlerGuard.h"
#include "dialogs/MsgBox.h"
#include "dialogs/PageSetup.h"
#include "dialogs/WindowLook.h"
#include "input/CalendarFile.h"
#include "input/FileKind.h"
#include "input/NotesFileContext.h"
#include "input/ReadNotesFile.h"
#include "input/ShowPicFile.h"
#include "platform/TrimSpaces.h"
#include "platform/Twips.h"
#include "surface/OutputDevice.h"
#include "surface/Printers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStringList>
#include <QThread>
#include <QTimeZone>
#include <QUrl>
#include <QWindow>
#include <exception>
#include <memory>

namespace {

// What a calendar read off the window's thread hands back.
struct CalendarReading
{
    CalendarFileRead read;
    std::exception_ptr error;
};

// The local files of a drop when every one is of a kind the window opens;
// otherwise none, and the drop is refused.
QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile() || fileKindOf(url.toLocalFile()) == FileKind::Other)
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

// A picture that cannot be loaded is passed over without a word; anything
// else refused asks the user to try again.
void showRefusal(const MsgBoxFunction &msgBox, const std::optional<Refusal> &refusal)
{
    if (refusal && !(refusal->subject == Refusal::Subject::Picture && refusal->reason == Refusal::Reason::Unreadable))
        msgBox(tryAgainBox(refusalReason(*refusal)));
}

const QColor WindowColour(0, 96, 0);
const QColor FontButtonColour(255, 192, 128);
const QColor ActionButtonColour(255, 128, 0);

QFont sansSerif(bool bold)
{
    return dialogFont(8.25, bold);
}

template<typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &twips)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return widget;
}

// Labels are opaque in the face colour of buttons, with bold text in the
// text colour of buttons.
QLabel *label(QWidget *client, const char *name, const QString &caption, const QRect &twips)
{
    auto *control = place(new QLabel(caption, client), name, twips);
    control->setFont(sansSerif(true));
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setAutoFillBackground(true);
    const QPalette look = QApplication::palette();
    setColour(control, QPalette::Window, look.color(QPalette::Button), look.color(QPalette::ButtonText));
    return control;
}

QLineEdit *field(QWidget *client, const char *name, const QRect &twips)
{
    return place(new QLineEdit(client), name, twips);
}

QPushButton *button(QWidget *client, const char *name, const QString &caption, const QRect &twips,
                    const QColor &colour, bool bold)
{
    auto *control = place(new QPushButton(caption, client), name, twips);
    control->setFont(sansSerif(bold));
    // Return presses the focused button, as in the windows users know.
    control->setAutoDefault(true);
    setColour(control, QPalette::Button, colour);
    return control;
}

} // namespace

frmSorvane::frmSorvane(Printers &printers, MsgBoxFunction msgBox, CommonDialog::FontChooser fontChooser,
                       QWidget *parent)
    : QMainWindow(parent)
    , cdlSelectPrtFont(std::move(fontChooser))
    , m_printers(printers)
    , m_surface(printers)
    , m_msgBox(msgBox ? msgBox : msgBoxesOver(this))
    , m_secondaryMsgBox(msgBox ? msgBox
                               : [](const MsgBoxRequest &request) { showMsgBox(QApplication::activeWindow(), request); })
    , m_deviceSelection(printers.selection())
{
    setupWindow();
    setupMenu();
    connectHandlers();
    runGuarded(m_msgBox, [this] { Form_Load(); });
}

frmSorvane::~frmSorvane()
{
    // Focus moves while the windows go away; this window no longer cares.
    disconnect(qGuiApp, nullptr, this, nullptr);
    delete m_findFiles.data();
    delete m_selectPrt.data();
    delete m_preview.data();
}

QString frmSorvane::helpText()
{
    return QStringList{
        tr(" 1. Enter the Year."),
        tr(" 2. Select the Fonts."),
        tr("     -Set the Font Size large to see it better."),
        tr("     -The actual size is preset . . ."),
        tr(" 3. Select a Picture. "),
        tr(" 4. Enter Text for each field. "),
        tr(" 5. Print a copy. "),
        tr(" 6. If OK, set number of copies and print"),
    }
        .join(QStringLiteral("\r\n"));
}

void frmSorvane::openFiles(const QStringList &paths)
{
    runGuarded(m_msgBox, [this, &paths] {
        QStringList calendars;
        for (const QString &path : paths) {
            strPickedFile = trimSpaces(path).toString();
            const FileKind kind = fileKindOf(strPickedFile);
            if (kind == FileKind::Calendar)
                calendars << strPickedFile;
            else if (kind == FileKind::Picture)
                loadPickedPicture();
            else
                readPickedNotesFile();
        }
        if (!calendars.isEmpty())
            attachCalendarFiles(m_sources.calendarFilesWith(calendars));
    });
}

void frmSorvane::setPage(const CalendarPage &page)
{
    m_page = page;
    showFields();
    Q_EMIT pageChanged(m_page);
}

void frmSorvane::Form_Load()
{
    m_page.strNotes.fill(QString());
    m_page.fonts = PageFonts();
    m_page.binSelPic = false;
    binSelPrt = false;
}

void frmSorvane::Form_Activate()
{
    runGuarded(m_msgBox, [this] { takePickedFile(); });
}

void frmSorvane::mnuHelp_Click()
{
    runGuarded(m_msgBox, [this] {
        m_msgBox({helpText(), MsgBoxInformation, tr(" Calendar Help")});
    });
}

void frmSorvane::mnuPreview_Click()
{
    runGuarded(m_msgBox, [this] {
        if (!m_preview) {
            m_preview = new PagePreview(m_page, m_surface, m_printers);
            connect(this, &frmSorvane::pageChanged, m_preview, &PagePreview::showPage);
            connect(this, &frmSorvane::deviceChanged, m_preview, &PagePreview::deviceChanged);
            m_preview->setAttribute(Qt::WA_DeleteOnClose);
            m_preview->placeBeside(*this);
        }
        m_preview->show();
        m_preview->raise();
        m_preview->activateWindow();
    });
}

void frmSorvane::mnuPageSetup_Click()
{
    runGuarded(m_msgBox, [this] {
        showPaperNote();
        auto *setup = new PageSetup(m_printers.current(), m_page.weekStart, this);
        setup->setAttribute(Qt::WA_DeleteOnClose);
        connect(setup, &PageSetup::paperChosen, this, &frmSorvane::setPaper);
        connect(setup, &PageSetup::weekStartChosen, this, &frmSorvane::setWeekStart);
        setup->open();
    });
}

RememberedPage frmSorvane::remembered() const
{
    RememberedPage remembered;
    remembered.page = m_page;
    if (m_page.binSelPic)
        remembered.picturePath = m_page.picture.filePath();
    remembered.calendarFiles = m_sources.calendarFiles();
    remembered.controlFile = m_sources.controlFile();
    remembered.recentControlFiles = m_sources.recentControlFiles();
    return remembered;
}

// Files gone since are left out without a word.
void frmSorvane::restore(const RememberedPage &remembered)
{
    setPage(remembered.textsOn(m_page));
    QStringList recent = remembered.recentControlFiles;
    recent.removeIf([](const QString &path) { return !QFileInfo(path).isFile(); });
    m_sources.setRecentControlFiles(recent);
    if (QFileInfo(remembered.controlFile).isFile())
        m_sources.useControlFile(remembered.controlFile);
}

void frmSorvane::mnuNewPage_Click()
{
    runGuarded(m_msgBox, [this] {
        if (m_typedSincePrint
            && QMessageBox::question(this, applicationCaption(),
                                     tr("Start a new page? What was typed since the last print is lost."))
                   != QMessageBox::Yes)
            return;
        CalendarPage page;
        page.weekStart = m_page.weekStart;
        m_sources.forgetPage();
        m_typedSincePrint = false;
        setPage(page);
    });
}

void frmSorvane::mnuSaveControlFile_Click()
{
    runGuarded(m_msgBox, [this] {
        QFileDialog dialog(this, tr("Save Control File"), QString(), tr("Control files (*.txt)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        if (!m_sources.controlFile().isEmpty())
            dialog.selectFile(m_sources.controlFile());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        const QString path = dialog.selectedFiles().constFirst();
        // Only a name the reader takes can be opened again.
        if (!path.endsWith(u"txt")) {
            m_msgBox(tryAgainBox(refusalReason(Refusal{Refusal::Subject::ControlFile,
                                                       Refusal::Reason::NotControlFileName, path, QString()})));
            return;
        }
        if (const std::optional<QString> problem = ControlFileWriter::write(path, m_page)) {
            m_msgBox({tr("The control file was not saved.") + QStringLiteral("\r\n") + *problem, MsgBoxOkOnly,
                      QString()});
            return;
        }
        m_sources.useControlFile(path);
    });
}

// The notes come again from the file alone.
void frmSorvane::mnuRereadDayNotes_Click()
{
    runGuarded(m_msgBox, [this] {
        if (m_sources.controlFile().isEmpty())
            return;
        CalendarPage page = m_page;
        page.strNotes.fill(QString());
        setPage(page);
        strPickedFile = m_sources.controlFile();
        readPickedNotesFile();
    });
}

void frmSorvane::mnuCalendarFiles_Click()
{
    runGuarded(m_msgBox, [this] {
        auto *list = new CalendarFilesList(m_sources.calendarFiles(), this);
        list->setAttribute(Qt::WA_DeleteOnClose);
        connect(list, &CalendarFilesList::detachRequested, this, &frmSorvane::detachCalendarFile);
        list->open();
    });
}

// The files left are read again together; the last one detached takes the
// events with it.
void frmSorvane::detachCalendarFile(const QString &path)
{
    QStringList rest = m_sources.calendarFiles();
    rest.removeAll(path);
    m_sources.setCalendarFiles(rest);
    if (!rest.isEmpty()) {
        attachCalendarFiles(rest);
        return;
    }
    CalendarPage page = m_page;
    page.events.reset();
    setPage(page);
}

void frmSorvane::showFileMenu()
{
    mnuRereadDayNotes->setEnabled(!m_sources.controlFile().isEmpty());
    mnuCalendarFiles->setEnabled(!m_sources.calendarFiles().isEmpty());
    mnuRecentControlFiles->clear();
    for (const QString &path : m_sources.recentControlFiles()) {
        QString caption = path;
        QAction *open = mnuRecentControlFiles->addAction(caption.replace(u'&', QStringLiteral("&&")));
        connect(open, &QAction::triggered, this, [this, path] { openFiles({path}); });
    }
    mnuRecentControlFiles->setEnabled(!m_sources.recentControlFiles().isEmpty());
}

void frmSorvane::setPaper(const QPageSize &size)
{
    runGuarded(m_msgBox, [this, &size] {
        m_printers.current().setPaper(size);
        Q_EMIT deviceChanged();
    });
}

void frmSorvane::setWeekStart(WeekStart weekStart)
{
    if (weekStart == m_page.weekStart)
        return;
    m_page.weekStart = weekStart;
    Q_EMIT pageChanged(m_page);
}

void frmSorvane::showPaperNote()
{
    const OutputDevice &device = m_printers.current();
    if (device.paperNote().isEmpty() || m_paperNotesShown.contains(device.DeviceName()))
        return;
    m_paperNotesShown.insert(device.DeviceName());
    m_msgBox({device.paperNote(), MsgBoxInformation, QString()});
}

void frmSorvane::cmdExit_Click()
{
    runGuarded(m_msgBox, [this] {
        unloadChooser();
        close();
    });
}

void frmSorvane::cmdPrint_Click()
{
    runGuarded(m_msgBox, [this] {
        binSelPrt = false;
        m_typedSincePrint = false;
        showPaperNote();
        PrintProgress progress(this);
        m_surface.setProgress(progress.hook());
        const auto unhook = qScopeGuard([this] { m_surface.setProgress({}); });
        printCalendar(m_surface, m_page, QLocale());
    });
}

void frmSorvane::cmdSelectPrt_Click()
{
    runGuarded(m_msgBox, [this] {
        if (!m_selectPrt) {
            m_selectPrt = new frmSelectPrt(m_printers, m_secondaryMsgBox);
            connect(m_selectPrt, &frmSelectPrt::handBack, this, &frmSorvane::deviceWindowGone);
            connect(m_selectPrt, &frmSelectPrt::handBack, this, &frmSorvane::secondaryHandedBack);
            m_selectPrt->Form_Load();
        }
        showSecondary(m_selectPrt);
        intFileMode = FileMode::Printer;
        binSelPrt = true;
    });
}

void frmSorvane::cmdPickPic_Click()
{
    runGuarded(m_msgBox, [this] {
        requestFile(FileMode::Picture, tr("Select a Picture &file.\r\nEither a bmp, gif, jpg or wmf."));
    });
}

void frmSorvane::cmdDayNotes_Click()
{
    runGuarded(m_msgBox, [this] {
        requestFile(FileMode::DayNotes,
                    tr("Select a text Control &file.\r\nA [txt] file with Field Control"));
    });
}

void frmSorvane::cmdYrFont_Click()
{
    chooseFont(&PageFonts::strMonthFont);
}

void frmSorvane::cmdHdrFont_Click()
{
    chooseFont(&PageFonts::strHdrFont);
}

void frmSorvane::cmdAdrFont_Click()
{
    chooseFont(&PageFonts::strAdrFont);
}

void frmSorvane::cmdMsgFont_Click()
{
    chooseFont(&PageFonts::strMsgFont);
}

void frmSorvane::cmdCalendarFont_Click()
{
    chooseFont(&PageFonts::strCalFont);
}

void frmSorvane::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *shown = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(shown->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (m_gate.mainShown())
        Form_Activate();
}

void frmSorvane::closeEvent(QCloseEvent *event)
{
    unloadChooser();
    if (m_preview)
        m_preview->close();
    QMainWindow::closeEvent(event);
}

void frmSorvane::setupWindow()
{
    setWindowTitle(u' ' + applicationCaption());
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(8085), twipsToPixels(6660));
    client->setFont(sansSerif(false));
    client->setAutoFillBackground(true);
    setColour(client, QPalette::Window, WindowColour);
    setCentralWidget(client);
    setAcceptDrops(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setupControls(client);
    mirrorForRightToLeft(client);
    setupTabOrder();
    showFields();
}

void frmSorvane::setupControls(QWidget *client)
{
    lblYear = label(client, "lblYear", tr("&Year (yyyy)"), {120, 550, 1005, 255});
    txtYear = field(client, "txtYear", {1320, 550, 1215, 285});
    txtYear->setAccessibleDescription(tr("four digits"));
    lblMonth = label(client, "lblMonth", tr("&Month (mm)"), {2880, 550, 1095, 255});
    txtMonth = field(client, "txtMonth", {4200, 550, 855, 285});
    cmdYrFont = button(client, "cmdYrFont", tr("Mon&th Font"), {5400, 550, 1335, 300}, FontButtonColour, false);
    cmdSelectPrt = button(client, "cmdSelectPrt", tr("Se&lect Printer"), {5400, 120, 1800, 300},
                          ActionButtonColour, true);
    lblHeader = label(client, "lblHeader", tr("H&eader"), {120, 1080, 1005, 255});
    txtHeader = field(client, "txtHeader", {1320, 1110, 3500, 285});
    cmdHdrFont = button(client, "cmdHdrFont", tr("Heade&r Font"), {5400, 1080, 1335, 300},
                        FontButtonColour, false);

    Shape1 = place(new QFrame(client), "Shape1", {0, 1515, 5175, 2700});
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->lower();

    lblAddress = label(client, "lblAddress", tr("&Notes"), {120, 1560, 1005, 255});
    const int messageTops[] = {1680, 2145, 2670, 3240, 3720};
    for (int i = 0; i < CalendarPage::LineCount; ++i) {
        const QByteArray name = "txtMessage(" + QByteArray::number(i) + ")";
        txtMessage[i] = field(client, name.constData(), {1320, messageTops[i], 3500, 285});
        // One "Notes" label stands over all five lines.
        txtMessage[i]->setAccessibleName(tr("Line %1").arg(i + 1));
    }
    cmdAdrFont = button(client, "cmdAdrFont", tr("&Address Font"), {5400, 1800, 1335, 300},
                        FontButtonColour, false);
    picTemp = place(new PictureBox(client), "picTemp", {5280, 2400, 1935, 1695});
    picTemp->setFocusPolicy(Qt::TabFocus);
    setColour(picTemp, QPalette::Window, QApplication::palette().color(QPalette::Button));
    lblMessage = label(client, "lblMessage", tr("Mesasa&ge"), {120, 4320, 1215, 255});
    txtMessage[CalendarPage::MessageLine] = field(client, "txtMessage(5)", {1320, 4320, 3500, 285});
    cmdPickPic = button(client, "cmdPickPic", tr("Select Pict&ure"), {5400, 4200, 1800, 300},
                        ActionButtonColour, true);
    cmdMsgFont = button(client, "cmdMsgFont", tr("Messaage F&ont"), {3120, 4680, 1335, 300},
                        FontButtonColour, false);
    cmdDayNotes = button(client, "cmdDayNotes", tr("&Select Day Notes"), {5400, 4680, 1800, 300},
                         ActionButtonColour, true);
    cmdCalendarFont = button(client, "cmdCalendarFont", tr("&Calendar Font"), {480, 5400, 1335, 300},
                             FontButtonColour, false);
    cmdPrint = button(client, "cmdPrint", tr("&Print Calendar(s)"), {360, 5760, 1600, 495},
                      ActionButtonColour, true);
    lblCopies = label(client, "lblCopies", tr("Cop&ies"), {2400, 5880, 615, 255});
    txtCopies = field(client, "txtCopies", {3360, 5865, 300, 285});
    cmdExit = button(client, "cmdExit", tr("&Done"), {5640, 5760, 1215, 495}, ActionButtonColour, true);

    // A label that stands for a field names it to screen readers.
    lblYear->setBuddy(txtYear);
    lblMonth->setBuddy(txtMonth);
    lblHeader->setBuddy(txtHeader);
    lblMessage->setBuddy(txtMessage[CalendarPage::MessageLine]);
    lblAddress->setBuddy(txtMessage[0]);
    lblCopies->setBuddy(txtCopies);
}

void frmSorvane::setupTabOrder()
{
    // Controls that take the focus, by their tab index.
    const QList<QWidget *> order = {
        txtYear,       cmdExit,      cmdPrint,      txtHeader,     txtMessage[0],   txtMessage[1],
        txtMessage[2], txtMessage[3], txtMessage[4], txtMessage[5], cmdHdrFont,      cmdAdrFont,
        cmdYrFont,     cmdMsgFont,    cmdCalendarFont, txtCopies,  cmdPickPic,      picTemp,
        txtMonth,      cmdDayNotes,   cmdSelectPrt,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmSorvane::setupMenu()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    setupFileMenu(mnuFile);
    mnuPageSetup = mnuFile->addAction(tr("Page Set&up\u2026"));
    mnuPageSetup->setObjectName(QStringLiteral("mnuPageSetup"));
    QMenu *mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuPreview = mnuView->addAction(tr("Page &Preview"));
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    mnuHelp = menuBar()->addAction(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
}

void frmSorvane::setupFileMenu(QMenu *mnuFile)
{
    const auto add = [mnuFile](const QString &caption, const char *name) {
        QAction *action = mnuFile->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnuNewPage = add(tr("&New Page"), "mnuNewPage");
    mnuOpenControlFile = add(tr("&Open Control File\u2026"), "mnuOpenControlFile");
    mnuRecentControlFiles = mnuFile->addMenu(tr("Recen&t Control Files"));
    mnuRecentControlFiles->setObjectName(QStringLiteral("mnuRecentControlFiles"));
    mnuSaveControlFile = add(tr("&Save Control File\u2026"), "mnuSaveControlFile");
    mnuRereadDayNotes = add(tr("&Reread Day Notes"), "mnuRereadDayNotes");
    mnuFile->addSeparator();
    mnuCalendarFiles = add(tr("Calendar &Files\u2026"), "mnuCalendarFiles");
    mnuFile->addSeparator();
    connect(mnuFile, &QMenu::aboutToShow, this, &frmSorvane::showFileMenu);
}

void frmSorvane::connectHandlers()
{
    connect(mnuNewPage, &QAction::triggered, this, &frmSorvane::mnuNewPage_Click);
    connect(mnuOpenControlFile, &QAction::triggered, this, &frmSorvane::cmdDayNotes_Click);
    connect(mnuSaveControlFile, &QAction::triggered, this, &frmSorvane::mnuSaveControlFile_Click);
    connect(mnuRereadDayNotes, &QAction::triggered, this, &frmSorvane::mnuRereadDayNotes_Click);
    connect(mnuCalendarFiles, &QAction::triggered, this, &frmSorvane::mnuCalendarFiles_Click);
    connect(mnuPageSetup, &QAction::triggered, this, &frmSorvane::mnuPageSetup_Click);
    connect(mnuPreview, &QAction::triggered, this, &frmSorvane::mnuPreview_Click);
    connect(mnuHelp, &QAction::triggered, this, &frmSorvane::mnuHelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSorvane::cmdExit_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSorvane::cmdPrint_Click);
    connect(cmdSelectPrt, &QPushButton::clicked, this, &frmSorvane::cmdSelectPrt_Click);
    connect(cmdPickPic, &QPushButton::clicked, this, &frmSorvane::cmdPickPic_Click);
    connect(cmdDayNotes, &QPushButton::clicked, this, &frmSorvane::cmdDayNotes_Click);
    connect(cmdYrFont, &QPushButton::clicked, this, &frmSorvane::cmdYrFont_Click);
    connect(cmdHdrFont, &QPushButton::clicked, this, &frmSorvane::cmdHdrFont_Click);
    connect(cmdAdrFont, &QPushButton::clicked, this, &frmSorvane::cmdAdrFont_Click);
    connect(cmdMsgFont, &QPushButton::clicked, this, &frmSorvane::cmdMsgFont_Click);
    connect(cmdCalendarFont, &QPushButton::clicked, this, &frmSorvane::cmdCalendarFont_Click);
    for (QLineEdit *edit : {txtYear, txtMonth, txtHeader, txtCopies})
        connect(edit, &QLineEdit::textEdited, this, &frmSorvane::takeFields);
    for (QLineEdit *edit : txtMessage)
        connect(edit, &QLineEdit::textEdited, this, &frmSorvane::takeFields);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &frmSorvane::focusWindowChanged);
}

// The one place where the fields and the page meet.
void frmSorvane::takeFields()
{
    m_typedSincePrint = true;
    m_page.txtYear = txtYear->text();
    m_page.txtMonth = txtMonth->text();
    m_page.txtHeader = txtHeader->text();
    m_page.txtCopies = txtCopies->text();
    for (size_t i = 0; i < txtMessage.size(); ++i)
        m_page.txtMessage[i] = txtMessage[i]->text();
    Q_EMIT pageChanged(m_page);
}

void frmSorvane::showFields()
{
    txtYear->setText(m_page.txtYear);
    txtMonth->setText(m_page.txtMonth);
    txtHeader->setText(m_page.txtHeader);
    txtCopies->setText(m_page.txtCopies);
    for (size_t i = 0; i < txtMessage.size(); ++i)
        txtMessage[i]->setText(m_page.txtMessage[i]);
    picTemp->setPicture(m_page.picture);
}

void frmSorvane::chooseFont(QString PageFonts::*font)
{
    runGuarded(m_msgBox, [this, font] {
        storeFontChoice(SelFontName(binSelPrt, cdlSelectPrtFont, m_msgBox, this), m_page.fonts.*font);
        Q_EMIT pageChanged(m_page);
    });
}

void frmSorvane::requestFile(FileMode mode, const QString &prompt)
{
    intFileMode = mode;
    ensureChooser();
    m_findFiles->setPrompt(prompt);
    showSecondary(m_findFiles);
}

void frmSorvane::showSecondary(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    m_gate.secondaryShown();
}

void frmSorvane::ensureChooser()
{
    if (m_findFiles)
        return;
    m_findFiles = new frmFindFiles(m_secondaryMsgBox);
    m_chooserFile.clear();
    connect(m_findFiles, &frmFindFiles::fileClicked, this, &frmSorvane::chooserFileClicked);
    connect(m_findFiles, &frmFindFiles::handBack, this, &frmSorvane::chooserHandedBack);
    connect(m_findFiles, &frmFindFiles::cancelled, this, &frmSorvane::chooserCancelled);
}

void frmSorvane::unloadChooser()
{
    if (!m_findFiles)
        return;
    // Unloading is no return to this window: nothing to hand back.
    disconnect(m_findFiles, nullptr, this, nullptr);
    delete m_findFiles.data();
}

void frmSorvane::takePickedFile()
{
    ensureChooser();
    strPickedFile = trimSpaces(m_chooserFile).toString();
    if (intFileMode == FileMode::Picture)
        loadPickedPicture();
    else if (intFileMode == FileMode::DayNotes)
        readPickedNotesFile();
    update();
}

void frmSorvane::loadPickedPicture()
{
    showRefusal(m_msgBox, ShowPicFile(strPickedFile, m_page.picture, m_page.binSelPic));
    picTemp->setPicture(m_page.picture);
    Q_EMIT pageChanged(m_page);
}

void frmSorvane::readPickedNotesFile()
{
    // A calendar file or an address book, known by its content, becomes the
    // page's event source; its notes are laid on whichever month is printed.
    if (isCalendarFile(strPickedFile)) {
        attachCalendarFiles(m_sources.calendarFilesWith({strPickedFile}));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CalendarPage page = m_page;
    // Whatever the file filled in before a failure stays filled in.
    const auto show = qScopeGuard([&] {
        QApplication::restoreOverrideCursor();
        setPage(page);
    });
    const std::vector<Refusal> refusals = ReadNotesFile(strPickedFile, page, {QDate::currentDate(), QLocale()});
    for (const Refusal &refusal : refusals)
        showRefusal(m_msgBox, refusal);
    if (refusals.empty() || refusals.front().subject != Refusal::Subject::ControlFile)
        m_sources.useControlFile(strPickedFile);
}

// Several files are attached together, as --events does. They are read off
// the window's thread, under the busy cursor; of reads that overlap, the
// files attached last win.
void frmSorvane::attachCalendarFiles(const QStringList &paths)
{
    const QTimeZone local = QTimeZone::systemTimeZone();
    const int readNumber = ++m_calendarReads;
    const auto reading = std::make_shared<CalendarReading>();
    QThread *reader = QThread::create([paths, local, reading] {
        try {
            reading->read =
                paths.size() == 1 ? readCalendarFile(paths.first(), local) : readCalendarFiles(paths, local);
        } catch (...) {
            reading->error = std::current_exception();
        }
    });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // One queued call gives the cursor back and shows the read, so no one
    // sees the cursor idle before the page has the events; the cursor comes
    // back even when the window is gone.
    const QPointer<frmSorvane> window = this;
    connect(reader, &QThread::finished, reader, [window, paths, reading, readNumber] {
        QApplication::restoreOverrideCursor();
        if (!window || readNumber != window->m_calendarReads)
            return;
        runGuarded(window->m_msgBox, [&] {
            if (reading->error)
                std::rethrow_exception(reading->error);
            window->showCalendarRead(paths, reading->read);
        });
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

// One file alone is refused in its own words.
void frmSorvane::showCalendarRead(const QStringList &paths, const CalendarFileRead &read)
{
    if (!read.events) {
        const QString reason = refusalReason(*read.refusal);
        const QString fileName = QFileInfo(read.refusal->file).fileName();
        // The one file just picked needs no name; one among several does.
        const bool alone = paths.size() == m_sources.calendarFiles().size() + 1
                        && !m_sources.calendarFiles().contains(read.refusal->file);
        m_msgBox(tryAgainBox(alone ? reason : fileName + QStringLiteral(": ") + reason));
        return;
    }
    m_sources.setCalendarFiles(paths);
    CalendarPage page = m_page;
    page.events = read.events;
    setPage(page);
    // Once for all the files attached, after the page shows them.
    QStringList leftOut;
    for (const LeftOutEntries &entries : read.leftOut)
        leftOut << QFileInfo(entries.file).fileName() + QStringLiteral(": ") + leftOutReason(entries);
    if (!leftOut.isEmpty())
        m_msgBox({leftOut.join(QStringLiteral("\r\n")), MsgBoxInformation, QString()});
}

void frmSorvane::chooserFileClicked(const QString &path)
{
    m_chooserFile = path;
}

void frmSorvane::chooserHandedBack(const QString &path)
{
    m_chooserFile = path;
    secondaryHandedBack();
}

// Closing the chooser without a choice ends the return with nothing to read.
void frmSorvane::chooserCancelled()
{
    m_gate.handedBack();
}

void frmSorvane::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmSorvane::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(paths);
}

void frmSorvane::deviceWindowGone()
{
    if (m_printers.selection() == m_deviceSelection)
        return;
    m_deviceSelection = m_printers.selection();
    showPaperNote();
    Q_EMIT deviceChanged();
}

void frmSorvane::secondaryHandedBack()
{
    if (m_gate.handedBack())
        Form_Activate();
}

void frmSorvane::focusWindowChanged(QWindow *window)
{
    if (m_gate.focusMoved(roleOf(window)))
        Form_Activate();
}

HandBackGate::Role frmSorvane::roleOf(QWindow *window) const
{
    if (!window)
        return HandBackGate::Role::None;
    QWidget *widget = nullptr;
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->windowHandle() == window)
            widget = topLevel;
    }
    // A drop-down list belongs to the window of the control it drops from.
    if (widget && widget->windowType() == Qt::Popup && widget->parentWidget())
        widget = widget->parentWidget()->window();
    if (widget == this)
        return HandBackGate::Role::Main;
    // The preview hands nothing back: going to it and back is no return.
    if (widget && widget == m_preview.data())
        return HandBackGate::Role::Other;
    // Focus reported late for a secondary window that has already handed
    // back and hidden must not open a new return.
    if (widget && widget->isVisible() && (widget == m_findFiles.data() || widget == m_selectPrt.data()))
        return HandBackGate::Role::Secondary;
    return HandBackGate::Role::Other;
}
