#pragma once

// Monthly Calendar prints one-page monthly calendars.
//
// frmSorvane, this window, holds everything together: the page's text fields,
// the shared state (day notes, the five font names, the picked file, the
// request mode and two flags) and one handler per control event. Its
// handlers are thin; the work happens below them:
//
//   - frmFindFiles (dialogs/) lets the user pick a file. "Select Picture" and
//     "Select Day Notes" open it; when the user comes back, Form_Activate
//     takes its strFileName and hands it to ShowPicFile (input/), which puts
//     the picture into picTemp, or to ReadNotesFile (input/), which fills the
//     fields and appends to strNotes. HandBackGate decides when a return
//     counts.
//   - frmSelectPrt (dialogs/) makes one device of the Printers collection
//     (surface/) current; after it has been opened, the five font buttons ask
//     SelFontName for a face name through the CommonDialog.
//   - "Print Calendar(s)" gathers the fields and state into a
//     CalendarPageInput and calls printCalendar (drawing/), which draws the
//     page on the PrintSurface (PlaceGraphic, PlaceMonth, PlaceText); EndDoc
//     hands the recorded page to the current output device (a CUPS printer
//     or "Save as PDF").
//
// Every handler runs under runGuarded: a run-time error becomes a message
// box and the window keeps all the user's work.

#include "app/HandBackGate.h"
#include "dialogs/CommonDialog.h"
#include "platform/DayNotes.h"
#include "platform/MsgBox.h"
#include "surface/PrintSurface.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

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
struct CalendarPageInput;

class frmSorvane : public QMainWindow
{
    Q_OBJECT

public:
    // msgBox receives every message box of the program's windows; empty
    // shows real boxes.
    explicit frmSorvane(Printers &printers, MsgBoxFunction msgBox = {}, QWidget *parent = nullptr);
    ~frmSorvane() override;

    void Form_Load();
    void Form_Activate();
    void mnuHelp_Click();
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

    // The file chooser and the output device window while they are loaded.
    frmFindFiles *findFiles() const;
    frmSelectPrt *selectPrt() const;
    PrintSurface &printSurface() { return m_surface; }

    DayNotes strNotes;
    QString strPickedFile;
    qint16 intFileMode = 0;
    QString strMonthFont;
    QString strHdrFont;
    QString strAdrFont;
    QString strMsgFont;
    QString strCalFont;
    bool binSelPic = false;
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
    QAction *mnuHelp = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setupWindow();
    void setupControls(QWidget *client);
    void setupTabOrder();
    void setupMenu();
    void connectHandlers();

    void chooseFont(QString &fontName);
    void requestFile(qint16 mode, const QString &prompt);
    void showSecondary(QWidget *window);
    void ensureChooser();
    void unloadChooser();
    void takePickedFile();
    void loadPickedPicture();
    void readPickedNotesFile();
    CalendarPageInput pageInput() const;

    void secondaryHandedBack();
    void focusWindowChanged(QWindow *window);
    HandBackGate::Role roleOf(QWindow *window) const;

    Printers &m_printers;
    PrintSurface m_surface;
    MsgBoxFunction m_msgBox;
    // What the secondary windows report through.
    MsgBoxFunction m_secondaryMsgBox;
    HandBackGate m_gate;
    QPointer<frmFindFiles> m_findFiles;
    QPointer<frmSelectPrt> m_selectPrt;
    bool m_centred = false;
};
