#include "tutor/ui/GoalsController.h"

#include "platform/Dialogs.h"
#include "platform/Seams.h"
#include "widgets/DatePicker.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

namespace kestrune::tutor_ui {

using tutor::GoalRecord;

namespace {

const QString kKeyPrefix = QStringLiteral("_");

void showError(QWidget* window, const QString& text)
{
    platform::showMessage(window, text, platform::MsgButtons::Ok, platform::MsgIcon::Critical);
}

void showWarning(QWidget* window, const QString& text)
{
    platform::showMessage(window, text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

} // namespace

GoalsController::GoalsController(const GoalsControls& controls, QWidget* window)
    : QObject(window), m_c(controls), m_window(window)
{
    // A click anywhere on a row, its tick box included, makes that goal the
    // selected one as well as the one shown, so a save updates that goal.
    connect(m_c.ListView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item && m_c.ListView1->currentItem() != item) {
            m_filling = true;
            m_c.ListView1->setCurrentItem(item);
            m_filling = false;
        }
        ShowGoal(item);
    });
    // Moving through the list with the keyboard shows the goal as a click does.
    connect(m_c.ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_filling && item)
            ShowGoal(item);
    });
    for (int i = 0; i < 2; ++i)
        connect(m_c.optGoals[std::size_t(i)], &QPushButton::clicked, this, [this, i] { optGoals_Click(i); });
    connect(m_c.mydtpStartingDate, &widgets::UserControl1::DateChanged, this, &GoalsController::dates_DateChanged);
    connect(m_c.mydtpEndingDate, &widgets::UserControl1::DateChanged, this, &GoalsController::dates_DateChanged);
    connect(m_c.cmdNewGoal, &QPushButton::clicked, this, &GoalsController::cmdNewGoal_Click);
    connect(m_c.cmdSaveGoals, &QPushButton::clicked, this, &GoalsController::cmdSaveGoals_Click);
    connect(m_c.cmdMarkAchived, &QPushButton::clicked, this, &GoalsController::cmdMarkAchived_Click);
    connect(m_c.cmdDeleteGoals, &QPushButton::clicked, this, &GoalsController::cmdDeleteGoals_Click);
}

void GoalsController::load()
{
    if (!QFileInfo::exists(m_file.path()))
        return;
    ReadGoals();
    tellAboutTheRead();
    if (!m_file.exists())
        return;
    m_c.optGoals[0]->setChecked(true);
    optGoals_Click(0);
    if (m_c.ListView1->topLevelItemCount() >= 2) {
        QTreeWidgetItem* first = m_c.ListView1->topLevelItem(0);
        m_c.ListView1->setCurrentItem(first);
        ShowGoal(first);
    }
}

void GoalsController::ReadGoals() { m_goals = m_file.ReadGoals(); }

void GoalsController::tellAboutTheRead()
{
    const QString path = QDir::toNativeSeparators(m_file.path());
    if (!m_file.readError().isEmpty()) {
        showWarning(m_window, QStringLiteral("Could not read your goals from ") + path + QStringLiteral(": ")
                                  + m_file.readError()
                                  + QStringLiteral(".\r\nIt will not be saved over until it can be read."));
        return;
    }
    const int damaged = m_file.damagedLines();
    if (damaged == 0)
        return;
    QString text = QString::number(damaged)
                 + (damaged == 1 ? QStringLiteral(" line of ") : QStringLiteral(" lines of ")) + path
                 + (damaged == 1 ? QStringLiteral(" could not be read as it was and has been set aside or corrected.")
                                 : QStringLiteral(" could not be read as they were and have been set aside or corrected."));
    // Kept now, so the message can say where the original is.
    QString error;
    if (m_file.keepBackup(&error))
        text += QStringLiteral("\r\nThe file as it was is kept in ") + QDir::toNativeSeparators(m_file.backupPath())
              + QLatin1Char('.');
    else
        text += QStringLiteral("\r\nYour goals will not be saved until ") + error;
    showWarning(m_window, text);
}

bool GoalsController::WriteGoals()
{
    // Also with no goal left: the file must not keep a deleted last goal.
    QString error;
    if (m_file.WriteGoals(m_goals, &error))
        return true;
    showError(m_window, QStringLiteral("Could not save your goals to ") + QDir::toNativeSeparators(m_file.path())
                            + QStringLiteral(": ") + error);
    return false;
}

void GoalsController::DisplayGoals(bool AchivedGoals)
{
    m_filling = true;
    m_c.ListView1->clear();
    m_shown = -1;
    for (int i = 0; i < m_goals.size(); ++i) {
        const GoalRecord& goal = m_goals.at(i);
        if (goal.Achieved != AchivedGoals)
            continue;
        auto* item = new QTreeWidgetItem(m_c.ListView1);
        item->setData(0, Qt::UserRole, kKeyPrefix + QString::number(i));
        item->setText(0, goal.GoalName);
        item->setText(1, QString::number(i));
        // Tick boxes only in the current view, where they select goals to
        // delete or to mark as achieved.
        if (AchivedGoals) {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        } else {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    m_filling = false;
    // The button in front is always the view the user can switch to.
    m_c.optGoals[AchivedGoals ? 1 : 0]->setChecked(true);
    m_c.optGoals[AchivedGoals ? 0 : 1]->raise();

    const bool any = m_c.ListView1->topLevelItemCount() > 0;
    m_c.cmdSaveGoals->setEnabled(any);
    m_c.mydtpStartingDate->setListsEnabled(any);
    m_c.mydtpEndingDate->setListsEnabled(any);
    if (any) {
        m_filling = true;
        m_c.ListView1->setCurrentItem(m_c.ListView1->topLevelItem(0));
        m_filling = false;
        ShowGoal(m_c.ListView1->topLevelItem(0));
    }
    ShowGoalProgress();
}

int GoalsController::goalIndex(const QTreeWidgetItem* item)
{
    if (!item)
        return -1;
    const QString key = item->data(0, Qt::UserRole).toString();
    bool ok = false;
    const int index = key.mid(kKeyPrefix.size()).toInt(&ok);
    return ok ? index : -1;
}

void GoalsController::ShowGoal(QTreeWidgetItem* item)
{
    const int i = goalIndex(item);
    if (i < 0 || i >= m_goals.size())
        return;
    m_shown = i;
    const GoalRecord& goal = m_goals.at(i);
    m_c.txtGoalName->setText(goal.GoalName);
    m_c.txtGoalDesc->setPlainText(goal.GoalDesc);
    m_c.mydtpStartingDate->setValue(goal.StartDate);
    m_c.mydtpEndingDate->setValue(goal.EndDate);
    m_c.Combo3->setCurrentIndex(goal.AchievedPercent);
    showDayCount();
    ShowGoalProgress();
    m_c.txtGoalName->setEnabled(true);
    m_c.txtGoalDesc->setEnabled(true);
    m_c.Combo3->setEnabled(true);
}

void GoalsController::ShowGoalProgress()
{
    m_c.lblInfo->clear();
    m_c.lblDaysRemaining->clear();
    const tutor::GoalProgress progress =
        tutor::goalProgress(m_c.mydtpStartingDate->value(), m_c.mydtpEndingDate->value(),
                            platform::clock().today(), m_c.Combo3->currentText(), m_c.Combo3->isEnabled());
    m_c.lblInfo->setText(progress.info);
    if (progress.daysRemaining)
        m_c.lblDaysRemaining->setText(QString::number(*progress.daysRemaining));
}

void GoalsController::ClearGoalFields()
{
    m_c.txtGoalName->clear();
    m_c.txtGoalDesc->clear();
    m_c.lblDayCount->clear();
    m_c.lblDaysRemaining->clear();
    m_c.lblInfo->clear();
    m_c.Combo3->setCurrentIndex(0);
    m_shown = -1;
}

void GoalsController::showDayCount()
{
    m_c.lblDayCount->setText(
        QString::number(tutor::daysFrom(m_c.mydtpStartingDate->value(), m_c.mydtpEndingDate->value())));
}

void GoalsController::optGoals_Click(int index)
{
    // DisplayGoals brings the other view's button to the front.
    m_c.txtGoalDesc->clear();
    m_c.txtGoalName->clear();
    DisplayGoals(index == 1);
}

void GoalsController::dates_DateChanged() { showDayCount(); }

void GoalsController::cmdNewGoal_Click()
{
    // A disabled list marks that a new goal is being entered.
    m_c.ListView1->setEnabled(false);
    ClearGoalFields();
    const QDate today = platform::clock().today();
    m_c.mydtpStartingDate->setValue(today);
    m_c.mydtpEndingDate->setValue(today.addDays(7));
    showDayCount();
    m_c.cmdSaveGoals->setEnabled(true);
    m_c.mydtpStartingDate->setListsEnabled(true);
    m_c.mydtpEndingDate->setListsEnabled(true);
    m_c.txtGoalName->setEnabled(true);
    m_c.txtGoalDesc->setEnabled(true);
    m_c.Combo3->setEnabled(true);
    m_c.txtGoalName->setFocus();
}

void GoalsController::cmdSaveGoals_Click()
{
    const QDate start = m_c.mydtpStartingDate->value();
    const QDate end = m_c.mydtpEndingDate->value();
    if (tutor::daysFrom(start, end) <= 0) {
        showError(m_window, QStringLiteral("Starting date can't be same or later than ending date."));
        return;
    }
    const QString name = m_c.txtGoalName->text();
    const QString desc = m_c.txtGoalDesc->toPlainText();
    if (name.isEmpty()) {
        showError(m_window, QStringLiteral("Goal name can't be blank."));
        return;
    }
    // The file keeps texts between double quotes, one goal a line: such
    // characters would not read back.
    if (!tutor::goalTextStorable(name) || !tutor::goalTextStorable(desc)) {
        showError(m_window,
                  QStringLiteral("Goal name and description can't contain double quotes (\") or line breaks."));
        return;
    }

    const QList<GoalRecord> before = m_goals;
    if (m_c.ListView1->isEnabled()) {
        // The goal whose fields are shown is the one updated.
        const int i = m_shown;
        if (i >= 0 && i < m_goals.size()) {
            GoalRecord& goal = m_goals[i];
            goal.GoalName = name;
            goal.StartDate = start;
            goal.EndDate = end;
            goal.GoalDesc = desc;
            goal.AchievedPercent = static_cast<qint16>(std::max(0, m_c.Combo3->currentIndex()));
        }
    } else {
        // A new goal starts at 0 percent, whatever was selected during entry.
        m_goals.append(GoalRecord{name, start, end, desc, false, 0});
    }

    // A failed save keeps what the user typed, the mode and the old file.
    if (!WriteGoals()) {
        m_goals = before;
        return;
    }
    ReadGoals();
    DisplayGoals(false);
    m_c.optGoals[0]->setChecked(true);
    if (m_c.ListView1->topLevelItemCount() > 0)
        m_c.ListView1->setCurrentItem(m_c.ListView1->topLevelItem(0));
    m_c.ListView1->setEnabled(true);
}

QList<int> GoalsController::tickedGoals() const
{
    QList<int> ticked;
    for (int row = 0; row < m_c.ListView1->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_c.ListView1->topLevelItem(row);
        if (item->checkState(0) == Qt::Checked) {
            const int i = goalIndex(item);
            if (i >= 0 && i < m_goals.size())
                ticked.append(i);
        }
    }
    return ticked;
}

void GoalsController::cmdMarkAchived_Click()
{
    const QList<GoalRecord> before = m_goals;
    for (int i : tickedGoals())
        m_goals[i].Achieved = true;
    if (!WriteGoals()) {
        m_goals = before;
        return;
    }
    DisplayGoals(false);
}

void GoalsController::cmdDeleteGoals_Click()
{
    const QList<int> ticked = tickedGoals();
    QList<GoalRecord> kept;
    for (int i = 0; i < m_goals.size(); ++i) {
        if (!ticked.contains(i))
            kept.append(m_goals.at(i));
    }
    const QList<GoalRecord> before = m_goals;
    m_goals = kept;
    // The goals stay listed, ticks and all, when the file cannot be rewritten.
    if (!WriteGoals()) {
        m_goals = before;
        return;
    }
    ClearGoalFields();
    ReadGoals();
    DisplayGoals(false);
    if (m_c.ListView1->topLevelItemCount() == 0) {
        m_c.txtGoalDesc->setEnabled(false);
        m_c.txtGoalName->setEnabled(false);
        m_c.Combo3->setEnabled(false);
        ClearGoalFields();
    }
}

} // namespace kestrune::tutor_ui
