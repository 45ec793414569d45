#pragma once

// The Help menus' web entries: each opens one fixed page of the program's web
// site in the user's browser (through the Dialogs seam, so tests can record it).

namespace kestrune::widgets {

// "Online Help" entries.
bool openOnlineHelp();
// "Visit Us Online" entries and the about box's link.
bool openHomePage();
// "Check for Software Update" entries (the update reminder opens it too).
bool openDownloadPage();

} // namespace kestrune::widgets
