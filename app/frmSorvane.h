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
//     whole new page in one step. pageChanged() hands the page to whoever
//     follows it.
//   - "Select Day Notes" opens frmFindFiles (dialogs/). When the user comes
//     back (HandBackGate decides when a return counts), Form_Activate takes
//     the file the chooser handed over and ReadNotesFile (input/) reads it
//     into a copy of the page: a DAY line appends to a day of strNotes, a PIC
//     line loads its picture through ShowPicFile; the window then shows the
//     filled page. Escape or closing the chooser hands back nothing.
//     "Select Picture" loads a picture into the page the same way. A
//     calendar file or address book picked there instead (known by its
//     content) becomes the page's event source (input/CalendarFile): every
//     print lays the events and birthdays of its month after strNotes.
//   - frmSelectPrt (dialogs/) makes one device of the Printers collection
//     (surface/) current; after it has been opened, the five font buttons ask
//     SelFontName for a face name and store it in the page's fonts.
//   - "Page Preview" (View menu) opens PagePreview, which runs the same
//     print job on every page pageChanged() hands over and every change of
//     device, but keeps the page to show it instead of printing it.
//   - Files dropped on the window, or named on the command line, are opened
//     as if picked (openFiles).
//   - The "File" menu saves the page as a control file (ControlFileWriter),
//     opens, rereads and lists control files and calendar files (PageSources
//     knows where the page came from), and starts a new page. PageKeeper
//     stores what the window shows when the program ends and shows it again
//     at the next start (remembered(), restore()).
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
#include "app/PageSources.h"
#include "dialogs/CommonDialog.h"
#include "page/CalendarPage.h"
#include "platform/MsgBoxRequest.h"
#include "surface/PrintSurface.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <array>

class PagePreview;
struct RememberedPage;
class PictureBox;
class Printers;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWindow;
class frmFindFiles;
class frmSelectPrt;
class QPageSize;

struct CalendarFileRead;

class frmSorvane : public QMainWindow
{
    Q_OBJECT

public:
    // msgBox receives every message box of the program's windows and
    // fontChooser answers the font dialog; empty ones show the real thing.
    explicit frmSorvane(Printers &printers, MsgBoxFunction msgBox = {}, CommonDialog::FontChooser fontChooser = {},
                        QWidget *parent = nullptr);
    ~frmSorvane() override;

    static QString helpText();

    // Opens files as if each had been picked: a picture is loaded, a
    // calendar file or address book attached (several at once, together),
    // anything else read as a control file.
    void openFiles(const QStringList &paths);

    // The page as the fields and choices now make it.
    const CalendarPage &page() const { return m_page; }
    // Shows page in the fields and the picture box and makes it the page.
    void setPage(const CalendarPage &page);

    // What the window shows and where it came from, to be kept for the next
    // run; restore() shows its texts and fonts and knows its files again.
    RememberedPage remembered() const;
    void restore(const RememberedPage &remembered);

Q_SIGNALS:
    // The page changed: a field was edited, a font chosen, a picture or a
    // control file read.
    void pageChanged(const CalendarPage &page);
    // Another device was made current, or its paper changed.
    void deviceChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private Q_SLOTS:
    void Form_Activate();
    void mnuHelp_Click();
    void mnuPreview_Click();
    void mnuPageSetup_Click();
    void mnuNewPage_Click();
    void mnuSaveControlFile_Click();
    void mnuRereadDayNotes_Click();
    void mnuCalendarFiles_Click();
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

private:
    // What the window last asked a secondary window for.
    enum class FileMode { None, Picture = 1, DayNotes = 2, Printer = 3 };

    void Form_Load();
    void setupWindow();
    void setupControls(QWidget *client);
    void setupTabOrder();
    void setupMenu();
    void setupFileMenu(QMenu *mnuFile);
    void connectHandlers();
    // Tells once per device why it does not print on the paper it reports.
    void showPaperNote();
    void setPaper(const QPageSize &size);
    void setWeekStart(WeekStart weekStart);

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
    void attachCalendarFiles(const QStringList &paths);
    void showCalendarRead(const QStringList &paths, const CalendarFileRead &read);
    void detachCalendarFile(const QString &path);
    void showFileMenu();

    void chooserFileClicked(const QString &path);
    void chooserHandedBack(const QString &path);
    void chooserCancelled();
    void deviceWindowGone();
    void secondaryHandedBack();
    void focusWindowChanged(QWindow *window);
    HandBackGate::Role roleOf(QWindow *window) const;

    CalendarPage m_page;
    // Calendar reads started; only the latest one's result is shown.
    int m_calendarReads = 0;
    QString strPickedFile;
    FileMode intFileMode = FileMode::None;
    bool binSelPrt = false;
    CommonDialog cdlSelectPrtFont;
    // The file the chooser last told of: the one clicked last since it was
    // loaded, empty before.
    QString m_chooserFile;

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
    std::array<QLineEdit *, CalendarPage::LineCount + 1> txtMessage{};
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
    QAction *mnuNewPage = nullptr;
    QAction *mnuOpenControlFile = nullptr;
    QAction *mnuSaveControlFile = nullptr;
    QAction *mnuRereadDayNotes = nullptr;
    QAction *mnuCalendarFiles = nullptr;
    QMenu *mnuRecentControlFiles = nullptr;
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
    PageSources m_sources;
    // Whether a field was typed in since the last print.
    bool m_typedSincePrint = false;
};
