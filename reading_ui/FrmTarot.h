#pragma once

#include "reading_ui/FormKit.h"
#include "reading_ui/Forms.h"

#include <QMainWindow>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kestrune::reading_ui {

// The spread selection window: the querent line, the eight spreads with their
// description and preview picture, the arcana choice and "Allow Reverse
// Cards"; "AutoCast" and "Manual" start the reading.
class FrmTarot : public QMainWindow {
    Q_OBJECT
public:
    FrmTarot();
    ~FrmTarot() override;

    void cmdAuto_Click();
    void cmdManual_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    // Selects a spread the way the "&Choose Scenario" entries do: by list
    // text, ignoring letter case. Returns the list position, or -1.
    int selectSpreadByText(const QString& text);
    void ShowSpreadInfo(int position);

    // True while AutoCast or Manual is handing over to the next window (the
    // draw yields to the event loop meanwhile).
    bool isHandingOver() const { return m_handingOver; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void lstOption_Click();
    void chkHA_Click();
    void chkLA_Click();
    void takeChoices();

    QLabel* Image1;
    QLabel* lblInfo;
    QPlainTextEdit* txtQ;
    QPlainTextEdit* txtDisp;
    QLabel* pctCard;
    QListWidget* lstOption;
    QGroupBox* frmArcane;
    QCheckBox* chkHA;
    QCheckBox* chkLA;
    QCheckBox* chkRev;
    QLabel* Label3;
    QPushButton* cmdAuto;
    QPushButton* cmdManual;
    QPushButton* cmdBack;
    QPushButton* cmdCancel;
    QFrame* picMessage;
    QLabel* Label1;
    QLabel* Label2;
    CloseRule m_close;
    bool m_handingOver = false;
    bool m_centred = false;
};

} // namespace kestrune::reading_ui
