#pragma once

// The steps by which the table, the result frame and the manual window hand
// over to the other reading windows, and the Help menu entries they share.

class QWidget;

namespace kestrune::reading_ui {

// Shows the start window (frmOpen).
void showStartWindow();
// Shows the querent window (frmFront).
void showQuerentWindow();

// Help menu: the online help page, the home page, the download page, the
// about box (modal).
void openOnlineHelp();
void openHomePage();
void openDownloadPage();
void showAboutBox(QWidget* parent);

} // namespace kestrune::reading_ui
