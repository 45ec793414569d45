#pragma once

// frmMain, the tutor window: the tab control SSTab1 with the goals, settings,
// study, test and results tabs, its menus, the load sequence, "Back" and the
// ways of ending the program. Controls carry their design names as object
// names; control arrays are named "<name>_<index>" (chkGroup_0 .. chkGroup_3,
// optTestType_0/1, optDifficulty_0..2, optAnswer_0..6, Shape1_0..6,
// chkKeywords_0..19, optGoals_0/1, cmdNav_1).

#include "tutor/Study.h"
#include "tutor/TestSession.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

namespace kestrune::widgets {
class UserControl1;
}

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QTreeWidget;
class QButtonGroup;

namespace kestrune::tutor_ui {

class AnswerButton;

class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    enum Tab { GoalsTab = 0, SettingsTab = 1, StudyTab = 2, TestTab = 3, ResultsTab = 4 };

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    // The load sequence. False when the card database is missing: the program
    // is then being ended and the window must not be shown.
    bool load(const QStringList& arguments);
    // True when the load sequence sent the window to the system tray.
    bool startedInTray() const { return m_startedInTray; }
    // True while the window waits behind its tray icon.
    bool inTray() const;

    // "/STARTUP" anywhere in the command line, upper case only.
    static bool commandLineAsksForStartup(const QStringList& arguments);

    const tutor::TestSession& testSession() const { return m_test; }
    int studyPosition() const { return m_study.position(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // ---- Construction ----
    void buildMenus();
    void buildGoalsTab(QWidget* page);
    void buildSettingsTab(QWidget* page);
    void buildStudyTab(QWidget* page);
    void buildTestTab(QWidget* page);
    void buildResultsTab(QWidget* page);

    // ---- Attachment points of the goals, settings and tray code ----
    // Connects the goals tab, the settings buttons, the start-up options and the tray.
    void attachGoalsAndSettings();
    void loadGoals();
    void loadSettings();
    void loadStartupOptions();
    void goToTray();
    // Removes the tray icon if it is shown (before the program ends).
    void removeTrayIcon();

    // ---- Tabs ----
    void selectTab(int index);
    void setTabAvailable(int index, bool available);
    void onTabSelected(int index);

    // ---- Leaving ----
    void goBack();
    void endProgram();

    // ---- Card choice and study ----
    void arcanaClicked();
    void minorClicked();
    void groupClicked(int index);
    bool openChosenCards();
    void cmdSetOption_Click();
    void ShowStudyCard();
    void cmdNext_Click();
    void cmdPrevious_Click();

    // ---- Tests ----
    tutor::TestType selectedTestType() const;
    tutor::TestLevel selectedLevel() const;
    void optTestType_Click(int index);
    void bringTestContainerToFront();
    void cmdStartTest2_Click();
    void StartTest();
    void AskNextQuestion();
    void showDescriptionQuestion();
    void showKeywordQuestion();
    void CompleteTest();
    void optAnswer_Click(int index);
    void chkKeywords_Click(int index);
    void SaveTestReport();

    tutor::StudyNavigator m_study;
    tutor::TestSession m_test;
    bool m_startedInTray = false;
    bool m_leavingForStartWindow = false;
    bool m_handlingTabChange = false;

    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNav1 = nullptr;
    QWidget* picHook = nullptr;

    QMenu* mnuPopUp = nullptr;
    QAction* mnuShow = nullptr;
    QAction* mnuExit = nullptr;

    // Goals tab
    QTreeWidget* ListView1 = nullptr;
    std::array<QPushButton*, 2> optGoals{};
    QLineEdit* txtGoalName = nullptr;
    QTextEdit* txtGoalDesc = nullptr;
    widgets::UserControl1* mydtpStartingDate = nullptr;
    widgets::UserControl1* mydtpEndingDate = nullptr;
    QPushButton* cmdNewGoal = nullptr;
    QPushButton* cmdSaveGoals = nullptr;
    QPushButton* cmdDeleteGoals = nullptr;
    QPushButton* cmdMarkAchived = nullptr;
    QLabel* lblDayCount = nullptr;
    QLabel* lblDaysRemaining = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* lblInfo = nullptr;

    // Settings tab
    QCheckBox* chkMajor = nullptr;
    QCheckBox* chkMinor = nullptr;
    std::array<QCheckBox*, 4> chkGroup{};
    QCheckBox* chkReversed = nullptr;
    std::array<QRadioButton*, 2> optTestType{};
    std::array<QRadioButton*, 3> optDifficulty{};
    QPushButton* cmdSetOption = nullptr;
    QPushButton* cmdStartTest2 = nullptr;
    QRadioButton* optRun = nullptr;
    QRadioButton* optDontRun = nullptr;
    QCheckBox* chkSysTray = nullptr;
    QPushButton* cmdSaveSettings = nullptr;

    // Study tab
    QLabel* lblCardNameMemorize = nullptr;
    QLabel* picCardMemorize = nullptr;
    QLabel* picCardMemorizeReversed = nullptr;
    QTextEdit* txtNormalMeaning = nullptr;
    QTextEdit* txtReverseMeaning = nullptr;
    QTextEdit* txtKeywords = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdStartTest = nullptr;

    // Test tab
    QLabel* lblCardName = nullptr;
    QLabel* picResult = nullptr;
    QLabel* lblIsReversed = nullptr;
    QLabel* lblQCount = nullptr;
    QPushButton* cmdNextQuestion = nullptr;
    QFrame* picDescContainer = nullptr;
    QFrame* picKeywodContainer = nullptr;
    QButtonGroup* answerGroup = nullptr;
    std::array<AnswerButton*, tutor::kAnswerButtons> optAnswer{};
    std::array<QFrame*, tutor::kAnswerButtons> Shape1{};
    std::array<QCheckBox*, tutor::kKeywordBoxes> chkKeywords{};
    QLabel* lblMaxKeyword = nullptr;

    // Results tab
    QPlainTextEdit* txtResult = nullptr;
    QLabel* lblResultInfo = nullptr;
    QPushButton* Command5 = nullptr;
};

} // namespace kestrune::tutor_ui
