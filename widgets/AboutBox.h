#pragma once

// The "About Software" box shared by the reading windows and the tutor window:
// program icon, title and version, a short description, a link to the home
// page and an "OK" button.

class QDialog;
class QWidget;

namespace kestrune::widgets {

// Shows the box modally over its owner and returns when the user closes it.
void showAboutBox(QWidget* owner);

// Builds the box without showing it (the caller owns it). Object names:
// "lblTitle", "lblVersion", "lblDescription", "lblLink", "picIcon", "cmdOK".
QDialog* createAboutBox(QWidget* owner);

} // namespace kestrune::widgets
