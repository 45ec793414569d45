#pragma once

// The " My Personal Goal " tab: the list of current or achieved goals, the
// fields of the selected goal, the goal timer and the buttons that create,
// save, delete and mark goals. The tab's controls are built by the tutor
// window; this object attaches to them and keeps the goals in "goals.txt".

#include "tutor/Goals.h"

#include <QList>
#include <QObject>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kestrune::widgets {
class UserControl1;
}

namespace kestrune::tutor_ui {

struct GoalsControls {
    QTreeWidget* ListView1 = nullptr;
    std::array<QPushButton*, 2> optGoals{}; // "View Current Goals", "View Achieved Goals"
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
};

class GoalsController : public QObject {
    Q_OBJECT

public:
    // window: the owner of the messages. The goals file is "goals.txt" in the
    // user's data folder at the time of construction.
    GoalsController(const GoalsControls& controls, QWidget* window);

    // The window's load step: with a goals file, the current goals are shown.
    void load();

    const QList<tutor::GoalRecord>& goals() const { return m_goals; }

    void ReadGoals();
    // False, after telling the user why, when the file could not be written.
    bool WriteGoals();
    void DisplayGoals(bool AchivedGoals);
    void ShowGoal(QTreeWidgetItem* item);
    void ShowGoalProgress();
    void ClearGoalFields();

    // The tab's events.
    void optGoals_Click(int index);
    void cmdNewGoal_Click();
    void cmdSaveGoals_Click();
    void cmdMarkAchived_Click();
    void cmdDeleteGoals_Click();
    void dates_DateChanged();

private:
    static int goalIndex(const QTreeWidgetItem* item);
    QList<int> tickedGoals() const;
    void showDayCount();
    // After the load's read: says once that lines were set aside (and where
    // the original is kept) or that the file could not be read.
    void tellAboutTheRead();

    GoalsControls m_c;
    QWidget* m_window;
    tutor::GoalsFile m_file;
    QList<tutor::GoalRecord> m_goals;
    int m_shown = -1; // the index of the goal whose fields are shown
    bool m_filling = false;
};

} // namespace kestrune::tutor_ui
