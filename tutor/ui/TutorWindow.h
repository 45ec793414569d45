#pragma once

#include <QStringList>

class QWidget;

namespace kestrune::tutor_ui {

// Creates the tutor window (running its whole load sequence) and shows it,
// unless the load sequence ended the program or sent the window to the tray.
// The arguments are the program's command line ("/STARTUP" is looked for).
void showFrmMain(const QStringList& arguments);
// The open tutor window, or nullptr.
QWidget* existingFrmMain();

} // namespace kestrune::tutor_ui
