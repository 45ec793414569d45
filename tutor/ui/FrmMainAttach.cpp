// The goals tab, the stored settings, the start-up entry and the tray icon
// attach to the tutor window here: the window calls these at construction,
// during its load sequence and before it ends the program. The behaviour
// itself lives in GoalsController, SettingsController and TrayController.

#include "tutor/ui/FrmMain.h"

#include "tutor/ui/GoalsController.h"
#include "tutor/ui/SettingsController.h"
#include "tutor/ui/TrayController.h"

#include <QCheckBox>
#include <QRadioButton>

namespace kestrune::tutor_ui {

void FrmMain::attachGoalsAndSettings()
{
    GoalsControls goals;
    goals.ListView1 = ListView1;
    goals.optGoals = optGoals;
    goals.txtGoalName = txtGoalName;
    goals.txtGoalDesc = txtGoalDesc;
    goals.mydtpStartingDate = mydtpStartingDate;
    goals.mydtpEndingDate = mydtpEndingDate;
    goals.cmdNewGoal = cmdNewGoal;
    goals.cmdSaveGoals = cmdSaveGoals;
    goals.cmdDeleteGoals = cmdDeleteGoals;
    goals.cmdMarkAchived = cmdMarkAchived;
    goals.lblDayCount = lblDayCount;
    goals.lblDaysRemaining = lblDaysRemaining;
    goals.Combo3 = Combo3;
    goals.lblInfo = lblInfo;
    new GoalsController(goals, this);

    SettingsControls settings;
    settings.chkMajor = chkMajor;
    settings.chkMinor = chkMinor;
    settings.chkGroup = chkGroup;
    settings.optTestType = optTestType;
    settings.optDifficulty = optDifficulty;
    settings.optRun = optRun;
    settings.optDontRun = optDontRun;
    settings.chkSysTray = chkSysTray;
    settings.cmdSaveSettings = cmdSaveSettings;
    new SettingsController(settings, this);

    new TrayController(this, mnuPopUp, mnuShow);
}

void FrmMain::loadGoals()
{
    findChild<GoalsController*>(QString(), Qt::FindDirectChildrenOnly)->load();
}

void FrmMain::loadSettings()
{
    findChild<SettingsController*>(QString(), Qt::FindDirectChildrenOnly)->loadSettings();
    // The enabled states the card choice and the test type imply, as their
    // clicks would set them.
    arcanaClicked();
    minorClicked();
    // With no suit stored as ticked, the last one set (Swords) is kept ticked.
    for (int i = int(chkGroup.size()) - 1; i >= 0; --i)
        groupClicked(i);
    optTestType_Click(optTestType[0]->isChecked() ? 0 : 1);
}

void FrmMain::loadStartupOptions()
{
    findChild<SettingsController*>(QString(), Qt::FindDirectChildrenOnly)->loadStartupOptions();
}

void FrmMain::goToTray()
{
    findChild<TrayController*>(QString(), Qt::FindDirectChildrenOnly)->GoToTray();
}

bool FrmMain::inTray() const
{
    auto* tray = findChild<TrayController*>(QString(), Qt::FindDirectChildrenOnly);
    return tray && tray->iconShown();
}

void FrmMain::removeTrayIcon()
{
    if (auto* tray = findChild<TrayController*>(QString(), Qt::FindDirectChildrenOnly))
        tray->removeIcon();
}

} // namespace kestrune::tutor_ui
