// SPDX-License-Identifier: MIT
#pragma once

// Monthly Calendar prints one-page monthly calendars.
//
// Everything the page is made of is one CalendarPage value (surface/): the
// year and month texts, header, the six message lines, copies, the five
// font names, the day notes (strNotes) and the picture. Every way in and out
// uses it:
//
//   - frmSorvane, this window, holds the page. Its fields show the page's
//     texts; an edit goes straight into the page, and setPage() shows a
//     whole new page in one step. pageChanged() tells whoever follows it.
//   - "Select Day Notes" opens frmFindFiles (dialogs/). When the user comes
//     back (HandBackGate decides when a return counts), Form_Activate takes
//     the chooser's file and ReadNotesFile (input/) reads it into a copy of
//     the page: a DAY line appends to a day of strNotes, a PIC line loads its
//     picture through ShowPicFile; the window then shows the filled page.
//     "Select Picture" loads a picture into the page the same way. A
//     calendar file or address book picked there instead (known by its
//     content) becomes the page's event source (input/CalendarFile): every
//     print lays the events and birthdays of its month after strNotes.
//   - frmSelectPrt (dialogs/) makes one device of the Printers collection
//     (surface/) current; after it has been opened, the five font buttons ask
//     SelFontName for a face name and store it in the page's fonts.
//   - "Page Preview" (View menu) opens PagePreview, which runs the same
//     print job on every change of the page or the device but keeps the
//     page to show it instead of printing it.
//   - "Print Calendar(s)" hands the page to printCalendar (drawing/), which
//     draws it on the PrintSurface (PlaceGraphic, PlaceMonth, PlaceText) and
//     ends the document; EndDoc hands the recorded page to the current output
//     device (a CUPS printer or "Save as PDF"). A DAY note thus travels from
//     its line to strNotes, to PlaceMonth's cell, to the device.
//   - Without the window, CommandLinePrint prints the pages the command line
//     names (CommandLine): it fills CalendarPage values the same way and
//     hands them to printCalendar, all pages of a run into one document.
//
// Every handler runs under runGuarded: a run-time error becomes a message
// box and the window keeps all the user's work.

#include "app/HandBackGate.h"
#include "dialogs/CommonDialog.h"
#include "platform/MsgBoxRequest.h"
#include "surface/CalendarPage.h"
#include "surface/PrintSurface.h"

#include <QMainWindow>
#include <QSet>
#include <QPointer>
#include <array>

class PagePreview;
class PictureBox;
class Printers;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;
class frmFindFiles;
class frmSelectPrt;
class QPageSize;

class frmSorvane : public QMainWindow
{
    Q_OBJECT

public:
    // What the window last asked a secondary window for.
    enum class FileMode { None, Picture = 1, DayNotes = 2, Printer = 3 };

    // msgBox receives every message box of the program's windows and
    // fontChooser answers the font dialog; empty ones show the real thing.
    explicit frmSorvane(Printers &printers, MsgBoxFunction msgBox = {}, CommonDialog::FontChooser fontChooser = {},
                        QWidget *parent = nullptr);
    ~frmSorvane() override;

    void Form_Load();
    void Form_Activate();
    void mnuHelp_Click();
    void mnuPreview_Click();
    void mnuPageSetup_Click();
    void cmdExit_Click();
    void cmdPrint_Click();
    void cmdSelectPrt_Click();
    void cmdPickPic_Click();
    void cmdDayNotes_Click();
    void cmdYrFont_Click();
    void cmdHdrFont_Click();
    void cmdAdrFont_Click();
    void cmdMsgFont_Click();
    void cmdCalendarFont_Click();

    static QString helpText();

    // Reads the control file at path exactly as if it had been picked in
    // the file chooser.
    void openNotesFile(const QString &path);

    // The page as the fields and choices now make it.
    const CalendarPage &page() const { return m_page; }
    // Shows page in the fields and the picture box and makes it the page.
    void setPage(const CalendarPage &page);

    FileMode fileMode() const { return intFileMode; }
    // The file chooser and the output device window while they are loaded.
    frmFindFiles *findFiles() const;
    frmSelectPrt *selectPrt() const;
    // The page preview while it is open.
    PagePreview *preview() const;
    PrintSurface &printSurface() { return m_surface; }

Q_SIGNALS:
    // The page changed: a field was edited, a font chosen, a picture or a
    // control file read.
    void pageChanged();
    // Another device was made current.
    void deviceChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setupWindow();
    void setupControls(QWidget *client);
    void setupTabOrder();
    void setupMenu();
    void connectHandlers();
    // Tells once per device why it does not print on the paper it reports.
    void showPaperNote();
    void setPaper(const QPageSize &size);

    void takeFields();
    void showFields();
    void chooseFont(QString PageFonts::*font);
    void requestFile(FileMode mode, const QString &prompt);
    void showSecondary(QWidget *window);
    void ensureChooser();
    void unloadChooser();
    void takePickedFile();
    void loadPickedPicture();
    void readPickedNotesFile();

    void deviceWindowGone();
    void secondaryHandedBack();
    void focusWindowChanged(QWindow *window);
    HandBackGate::Role roleOf(QWindow *window) const;

    CalendarPage m_page;
    QString strPickedFile;
    FileMode intFileMode = FileMode::None;
    bool binSelPrt = false;
    CommonDialog cdlSelectPrtFont;

    QLabel *lblYear = nullptr;
    QLineEdit *txtYear = nullptr;
    QLabel *lblMonth = nullptr;
    QLineEdit *txtMonth = nullptr;
    QPushButton *cmdYrFont = nullptr;
    QPushButton *cmdSelectPrt = nullptr;
    QLabel *lblHeader = nullptr;
    QLineEdit *txtHeader = nullptr;
    QPushButton *cmdHdrFont = nullptr;
    QFrame *Shape1 = nullptr;
    QLabel *lblAddress = nullptr;
    std::array<QLineEdit *, 6> txtMessage{};
    QPushButton *cmdAdrFont = nullptr;
    PictureBox *picTemp = nullptr;
    QLabel *lblMessage = nullptr;
    QPushButton *cmdPickPic = nullptr;
    QPushButton *cmdMsgFont = nullptr;
    QPushButton *cmdDayNotes = nullptr;
    QPushButton *cmdCalendarFont = nullptr;
    QPushButton *cmdPrint = nullptr;
    QLabel *lblCopies = nullptr;
    QLineEdit *txtCopies = nullptr;
    QPushButton *cmdExit = nullptr;
    QAction *mnuPageSetup = nullptr;
    QAction *mnuPreview = nullptr;
    QAction *mnuHelp = nullptr;

    Printers &m_printers;
    PrintSurface m_surface;
    MsgBoxFunction m_msgBox;
    // What the secondary windows report through.
    MsgBoxFunction m_secondaryMsgBox;
    HandBackGate m_gate;
    QPointer<frmFindFiles> m_findFiles;
    QPointer<frmSelectPrt> m_selectPrt;
    QPointer<PagePreview> m_preview;
    // The devices whose paper note has been shown.
    QSet<QString> m_paperNotesShown;
    // The Printers selection the window last told its followers about.
    quint64 m_deviceSelection = 0;
    bool m_centred = false;
};
