#pragma once

// Manual card selection (QMainWindow): the user picks face-down cards, one per
// position of the chosen spread, while "txtDisp" shows the guidance of the
// position the next pick fills. After the last pick the window deals the
// reading onto the reading table (FrmAuto) inside the result frame, writes the
// body of the reading, shows the frame and closes itself.
//
// Controls: "picManual" (spread preview), "fraPictures" (white frame holding
// the backs "p_0" .. "p_77", 13 columns by 6 rows), "txtDisp", "cmdCancel"
// ("Exit"), "cmdBack" ("Back"), the hidden message panel "picMessage" with
// "Label1"/"Label2", and hidden scratch holders "picTmp" and "Img".
//
// While the deal runs, further picks, "Back" and "&Start Again" are ignored
// (the deal yields to the event loop while drawing and turning pictures), so
// one pick can never start a second deal. If the table or this window goes
// away during the deal (the frame's "Start Again", the end of the program),
// the deal stops at its next yield.

#include <QImage>
#include "reading_ui/FormKit.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QTextEdit;
class QPushButton;

namespace kestrune::reading_ui {

class FrmManual : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kBackCount = 78;

    // Builds the window and runs its Load (reads the reading's choices, shows
    // the first guidance, offers 22, 56 or 78 backs, loads the preview).
    // Use the accessor frmManual().
    explicit FrmManual(QWidget* parent = nullptr);
    ~FrmManual() override;

    // Replaces txtDisp's text with the guidance of a (zero-based, decimal)
    // position of the spread.
    void ShowCardInfo(const QString& position);
    // A click on back `index`: hides it, then shows the next guidance or,
    // for the last pick, deals the reading and hands over.
    void p_Click(int index);
    // "Back" / "&Start Again": closes this window, shows the querent window.
    void cmdBack_Click();
    // "Exit" / "&Exit": closes this window and ends the program.
    void cmdCancel_Click();

    // Place position picIndex of a spread (list position 0..7) on the table:
    // moves its box, turns the Celtic Cross crossing card by 90 degrees from
    // its upright picture, and shows its label and box.
    void SetPicPlacement0(short& picIndex);
    void SetPicPlacement1(short& picIndex);
    void SetPicPlacement2(short& picIndex);
    void SetPicPlacement3(short& picIndex);
    void SetPicPlacement4(short& picIndex);
    void SetPicPlacement5(short& picIndex);
    void SetPicPlacement6(short& picIndex);
    void SetPicPlacement7(short& picIndex);

    // Turns the last loaded picture by the angle into Img (see FrmAuto).
    void RotateImage(double RotAngel);

    int pickCount() const { return m_pickCounter; }
    int picksRequired() const { return m_required; }
    bool isDealing() const { return m_dealing; }
    QLabel* p(int i) const;
    QTextEdit* txtDisp() const { return m_txtDisp; }
    QLabel* picManual() const { return m_picManual; }
    QWidget* picMessage() const { return m_picMessage; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildMenus();
    void Deal();
    bool DealPosition(int i);
    void SetPicPlacement(int listPosition, int picIndex);
    void HandOver();

    std::array<QLabel*, kBackCount> m_p {};
    QLabel* m_picManual = nullptr;
    QWidget* m_fraPictures = nullptr;
    QTextEdit* m_txtDisp = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QWidget* m_picMessage = nullptr;
    QLabel* m_picTmp = nullptr;
    QLabel* m_img = nullptr;
    QImage m_source;     // the card picture last loaded for turning
    QImage m_turned;     // the turned picture returned by the rotation
    QImage m_imgPicture; // what Img holds

    short m_pickCounter = 0;
    int m_required = 0;
    QString m_spread;
    int m_listPosition = -1;
    bool m_lboo = false;
    bool m_hboo = false;
    bool m_rboo = false;
    bool m_dealing = false;
    bool m_rotating = false;
    CloseRule m_close; // tells a hand-over close from the user closing the window
    bool m_closed = false;
};

} // namespace kestrune::reading_ui
