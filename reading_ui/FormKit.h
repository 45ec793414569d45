#pragma once

// Small helpers shared by the start, querent and spread windows: fixed-size
// client areas in twips, centring, button colours, and the rule that tells a
// hand-over close from a close by the user.

#include <QColor>
#include <QString>

class QAbstractButton;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QMainWindow;
class QWidget;

namespace kestrune::reading_ui {

// The caption every reading window shows.
QString readingCaption();

// Window flags of a fixed single border with a close box; minimize only when asked.
void setFixedBorder(QWidget* window, bool minimizeButton);
// Gives a plain window a fixed client area in twips.
void setClientAreaTwips(QWidget* window, int widthTwips, int heightTwips);
// Gives a main window's central widget a fixed size in twips; the window grows
// by its menu bar and keeps that size.
void setClientAreaTwips(QMainWindow* window, QWidget* central, int widthTwips, int heightTwips);
// Moves a window to the middle of the screen it is on.
void centreOnScreen(QWidget* window);
// The classic "graphical" button look: a flat face in a solid colour.
void setButtonColour(QAbstractButton* button, const QColor& colour);
// Draws a frame the classic way: its border runs through the middle of the
// caption line and the background fills the whole frame, so that controls
// placed inside it at the design's offsets clear the border. The frame's
// font no longer passes on to the controls inside it: give them their own.
void setClassicFrame(QGroupBox* frame, const QColor& background);
// Paints the window at once and hands the result to the window system, for a
// step that blocks the thread right after (a repaint alone does not always
// reach the screen before the thread sleeps). Typed keys and mouse clicks are
// left queued; other pending window events (a close request) may be handled.
void paintNow(QWidget* window);
// Puts a picture file into a label sized to fill its parent; an unreadable
// file leaves the label as it was. Returns whether the picture was loaded.
bool loadPicture(QLabel* label, const QString& path);

// Ends a window's life the way the reading windows do: a close that is part of
// a hand-over to another window (navigate()) leaves the program running, a
// close while the program is ending does nothing more, and every other close
// (the close box, an Exit command) ends the program.
class CloseRule {
public:
    // Closes the window as a step of a hand-over.
    void navigate(QWidget* window);
    // Called from the window's closeEvent once it has decided to close.
    void closing(QCloseEvent* event);
    bool navigating() const { return m_navigating; }

private:
    bool m_navigating = false;
};

} // namespace kestrune::reading_ui
