#pragma once

// The tutor window waiting in the notification area: going there hides the
// window behind an icon with the tooltip "Recent"; a double click on the icon
// or "Show" in its menu brings the window back and removes the icon. When the
// desktop has no notification area the window is minimized instead, so it can
// always be brought back; so it is when the desktop does not take the icon.

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace kestrune::tutor_ui {

class TrayController : public QObject {
    Q_OBJECT

public:
    // menu: the icon's right-click menu, with showAction ("Show") as its
    // default entry, shown in bold.
    TrayController(QWidget* window, QMenu* menu, QAction* showAction);
    ~TrayController() override;

    void GoToTray();
    void LeaveTray();
    // Removes the icon if this window shows it.
    void removeIcon();
    bool iconShown() const { return m_iconShown; }

private:
    QWidget* m_window;
    QPointer<QMenu> m_menu;
    bool m_iconShown = false;
};

} // namespace kestrune::tutor_ui
