#pragma once

// The application frame shared by both halves: the one way out, the update
// reminder, and the hand-over between the start window and the tutor window
// (which live in different libraries, so the program wires them at start-up).

#include <QStringList>

#include <functional>

namespace kestrune::platform {

// Closes every open window, in the order of QApplication::topLevelWidgets(),
// running each window's own close handling, then ends the event loop. Windows
// it closes must not start a second EndApplication nor open another window:
// they ask isEnding() in their close handling.
void EndApplication();
bool isEnding();
// Tests replace the final "quit the process" step (and can reset the state).
void setQuitHook(std::function<void()> hook);
void resetEnding();

// The update reminder: asks at most every two weeks whether to look for an
// update, opening the download page on Yes.
void RemindUpdate();

// Window hand-over between the halves, set by the program's entry point.
struct Navigation {
    std::function<void()> showStartWindow;                       // frmOpen
    std::function<void(const QStringList& arguments)> openTutor; // frmMain
};
Navigation& navigation();

} // namespace kestrune::platform
