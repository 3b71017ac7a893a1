// SPDX-License-Identifier: MIT
#include "app/frmSorvane.h"

#include "app/PagePreview.h"
#include "app/PictureBox.h"
#include "app/PrintProgress.h"
#include "app/RefusalWords.h"
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
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStringList>
#include <QTimeZone>
#include <QUrl>
#include <QWindow>

namespace {

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
        QStringLiteral(" 1. Enter the Year."),
        QStringLiteral(" 2. Select the Fonts."),
        QStringLiteral("     -Set the Font Size large to see it better."),
        QStringLiteral("     -The actual size is preset . . ."),
        QStringLiteral(" 3. Select a Picture. "),
        QStringLiteral(" 4. Enter Text for each field. "),
        QStringLiteral(" 5. Print a copy. "),
        QStringLiteral(" 6. If OK, set number of copies and print"),
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
            attachCalendarFiles(calendars);
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
        m_msgBox({helpText(), MsgBoxInformation, QStringLiteral(" Calendar Help")});
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
        requestFile(FileMode::Picture, QStringLiteral("Select a Picture &file.\r\nEither a bmp, gif, jpg or wmf."));
    });
}

void frmSorvane::cmdDayNotes_Click()
{
    runGuarded(m_msgBox, [this] {
        requestFile(FileMode::DayNotes,
                    QStringLiteral("Select a text Control &file.\r\nA [txt] file with Field Control"));
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
    setWindowTitle(u' ' + applicationTitle());
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
    setupTabOrder();
    showFields();
}

void frmSorvane::setupControls(QWidget *client)
{
    lblYear = label(client, "lblYear", QStringLiteral("&Year (yyyy)"), {120, 550, 1005, 255});
    txtYear = field(client, "txtYear", {1320, 550, 1215, 285});
    txtYear->setAccessibleDescription(QStringLiteral("four digits"));
    lblMonth = label(client, "lblMonth", QStringLiteral("&Month (mm)"), {2880, 550, 1095, 255});
    txtMonth = field(client, "txtMonth", {4200, 550, 855, 285});
    cmdYrFont = button(client, "cmdYrFont", QStringLiteral("Mon&th Font"), {5400, 550, 1335, 300}, FontButtonColour, false);
    cmdSelectPrt = button(client, "cmdSelectPrt", QStringLiteral("Se&lect Printer"), {5400, 120, 1800, 300},
                          ActionButtonColour, true);
    lblHeader = label(client, "lblHeader", QStringLiteral("H&eader"), {120, 1080, 1005, 255});
    txtHeader = field(client, "txtHeader", {1320, 1110, 3500, 285});
    cmdHdrFont = button(client, "cmdHdrFont", QStringLiteral("Heade&r Font"), {5400, 1080, 1335, 300},
                        FontButtonColour, false);

    Shape1 = place(new QFrame(client), "Shape1", {0, 1515, 5175, 2700});
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->lower();

    lblAddress = label(client, "lblAddress", QStringLiteral("&Notes"), {120, 1560, 1005, 255});
    const int messageTops[] = {1680, 2145, 2670, 3240, 3720};
    for (int i = 0; i < CalendarPage::LineCount; ++i) {
        const QByteArray name = "txtMessage(" + QByteArray::number(i) + ")";
        txtMessage[i] = field(client, name.constData(), {1320, messageTops[i], 3500, 285});
        // One "Notes" label stands over all five lines.
        txtMessage[i]->setAccessibleName(QStringLiteral("Line %1").arg(i + 1));
    }
    cmdAdrFont = button(client, "cmdAdrFont", QStringLiteral("&Address Font"), {5400, 1800, 1335, 300},
                        FontButtonColour, false);
    picTemp = place(new PictureBox(client), "picTemp", {5280, 2400, 1935, 1695});
    picTemp->setFocusPolicy(Qt::TabFocus);
    setColour(picTemp, QPalette::Window, QApplication::palette().color(QPalette::Button));
    lblMessage = label(client, "lblMessage", QStringLiteral("Mesasa&ge"), {120, 4320, 1215, 255});
    txtMessage[CalendarPage::MessageLine] = field(client, "txtMessage(5)", {1320, 4320, 3500, 285});
    cmdPickPic = button(client, "cmdPickPic", QStringLiteral("Select Pict&ure"), {5400, 4200, 1800, 300},
                        ActionButtonColour, true);
    cmdMsgFont = button(client, "cmdMsgFont", QStringLiteral("Messaage F&ont"), {3120, 4680, 1335, 300},
                        FontButtonColour, false);
    cmdDayNotes = button(client, "cmdDayNotes", QStringLiteral("&Select Day Notes"), {5400, 4680, 1800, 300},
                         ActionButtonColour, true);
    cmdCalendarFont = button(client, "cmdCalendarFont", QStringLiteral("&Calendar Font"), {480, 5400, 1335, 300},
                             FontButtonColour, false);
    cmdPrint = button(client, "cmdPrint", QStringLiteral("&Print Calendar(s)"), {360, 5760, 1600, 495},
                      ActionButtonColour, true);
    lblCopies = label(client, "lblCopies", QStringLiteral("Cop&ies"), {2400, 5880, 615, 255});
    txtCopies = field(client, "txtCopies", {3360, 5865, 300, 285});
    cmdExit = button(client, "cmdExit", QStringLiteral("&Done"), {5640, 5760, 1215, 495}, ActionButtonColour, true);

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
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPageSetup = mnuFile->addAction(QStringLiteral("Page Set&up\u2026"));
    mnuPageSetup->setObjectName(QStringLiteral("mnuPageSetup"));
    QMenu *mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuPreview = mnuView->addAction(QStringLiteral("Page &Preview"));
    mnuPreview->setObjectName(QStringLiteral("mnuPreview"));
    mnuPreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    mnuHelp = menuBar()->addAction(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
}

void frmSorvane::connectHandlers()
{
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
        attachCalendarFiles({strPickedFile});
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CalendarPage page = m_page;
    // Whatever the file filled in before a failure stays filled in.
    const auto show = qScopeGuard([&] {
        QApplication::restoreOverrideCursor();
        setPage(page);
    });
    for (const Refusal &refusal : ReadNotesFile(strPickedFile, page, {QDate::currentDate(), QLocale()}))
        showRefusal(m_msgBox, refusal);
}

// Several files are attached together, as --events does; one alone is
// refused in its own words.
void frmSorvane::attachCalendarFiles(const QStringList &paths)
{
    const QTimeZone local = QTimeZone::systemTimeZone();
    const CalendarFileRead read =
        paths.size() == 1 ? readCalendarFile(paths.first(), local) : readCalendarFiles(paths, local);
    if (!read.events) {
        const QString reason = refusalReason(*read.refusal);
        const QString fileName = QFileInfo(read.refusal->file).fileName();
        m_msgBox(tryAgainBox(paths.size() == 1 ? reason : fileName + QStringLiteral(": ") + reason));
        return;
    }
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
