#pragma once

// The frame of a reading (QMainWindow): the querent panel "picTop" along the
// top (labels "lblName", "lblDOB", "lblCountry", "lblQ"; display fields
// "txtName", "txtDOB", "txtCountry", "txtQ"), the reading text "rtbDisp1" in
// the panel "picRight" on the right, the buttons "cmdExit" and "cmdRestart"
// in the panel "picBottom" along the bottom, a hidden toolbar "TB", and in the
// middle the MDI area "mdiClient" whose only subwindow is the reading table
// (FrmAuto); the area scrolls the table when the frame is smaller than it.
//
// Created hidden when the querent details are accepted; it copies those
// details into its fields then and turns on link detection for the reading
// text. It becomes visible when the table is shown. "Start Again" closes it
// and shows the start window; "Exit" and the close box end the program.

#include "reading_ui/FormKit.h"

#include <QMainWindow>

class QLineEdit;
class QMdiArea;
class QPushButton;
class QTextEdit;
class QToolBar;

namespace kestrune::reading_ui {

class FrmAuto;

class FrmMDI : public QMainWindow {
    Q_OBJECT

public:
    // Builds the frame and runs its Load step (link detection on, querent
    // fields filled). Use the accessor frmMDI().
    explicit FrmMDI(QWidget* parent = nullptr);
    ~FrmMDI() override;

    QTextEdit* rtbDisp1() const { return m_rtbDisp1; }
    QMdiArea* mdiArea() const { return m_mdi; }
    QToolBar* TB() const { return m_tb; }
    QWidget* picRight() const { return m_picRight; }
    QLineEdit* txtName() const { return m_txtName; }
    QLineEdit* txtDOB() const { return m_txtDOB; }
    QLineEdit* txtCountry() const { return m_txtCountry; }
    QLineEdit* txtQ() const { return m_txtQ; }
    QPushButton* cmdRestart() const { return m_cmdRestart; }
    QPushButton* cmdExit() const { return m_cmdExit; }

    // Copies the querent details into the four fields. Runs at Load and again
    // when a reading table is created, so a frame made for an earlier "Next"
    // (the user went back and changed the details) shows the current querent.
    void ShowQuerentDetails();

    // The reading table inside, or null.
    FrmAuto* table() const;

    // "Start Again" (button and menu): closes the frame with its table and
    // shows the start window.
    void cmdRestart_Click();
    // "Exit" (button and menu): closes the frame and ends the program.
    void cmdExit_Click();
    // Makes the reading text as tall as its panel and places the buttons
    // right-aligned: cmdRestart 300 twips from the frame's outer right edge,
    // cmdExit 100 twips left of it.
    void MDIForm_Resize();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MDIForm_Load();
    void buildMenus();
    // The reading text keeps its width and left edge and fills its panel's height.
    void fitReadingText();

    QToolBar* m_tb = nullptr;
    QWidget* m_picTop = nullptr;
    QWidget* m_picRight = nullptr;
    QWidget* m_picBottom = nullptr;
    QMdiArea* m_mdi = nullptr;
    QTextEdit* m_rtbDisp1 = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtDOB = nullptr;
    QLineEdit* m_txtCountry = nullptr;
    QLineEdit* m_txtQ = nullptr;
    QPushButton* m_cmdRestart = nullptr;
    QPushButton* m_cmdExit = nullptr;
    CloseRule m_close; // tells a hand-over close from the user closing the window
    bool m_closed = false;
    bool m_focusGiven = false;
};

} // namespace kestrune::reading_ui
