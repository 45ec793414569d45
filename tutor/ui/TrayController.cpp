#include "tutor/ui/TrayController.h"

#include "platform/Icons.h"
#include "platform/ui/Tray.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QWidget>

namespace kestrune::tutor_ui {

TrayController::TrayController(QWidget* window, QMenu* menu, QAction* showAction)
    : QObject(window), m_window(window), m_menu(menu)
{
    if (m_menu && showAction) {
        m_menu->setDefaultAction(showAction);
        // Not every style draws the default entry in bold: make it so.
        QFont bold = showAction->font();
        bold.setBold(true);
        showAction->setFont(bold);
        connect(showAction, &QAction::triggered, this, &TrayController::LeaveTray);
    }
    connect(&platform::tray(), &platform::Tray::doubleClicked, this, [this] {
        if (m_iconShown)
            LeaveTray();
    });
}

TrayController::~TrayController() { removeIcon(); }

void TrayController::GoToTray()
{
    if (!platform::tray().isAvailable()) {
        // Without a notification area a hidden window could not be brought back.
        m_window->showMinimized();
        return;
    }
    QIcon icon = m_window->windowIcon();
    if (icon.isNull())
        icon = platform::programIcon();
    // An icon is needed for the tray to show anything the user can click.
    if (icon.isNull())
        icon = m_window->style()->standardIcon(QStyle::SP_ComputerIcon);
    platform::tray().showIcon(icon, QStringLiteral("Recent"), m_menu);
    if (!platform::tray().isIconShown()) {
        // The desktop took no icon after all: hiding the window would lose it.
        m_window->showMinimized();
        return;
    }
    m_iconShown = true;
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    m_window->hide();
}

void TrayController::LeaveTray()
{
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    removeIcon();
}

void TrayController::removeIcon()
{
    if (!m_iconShown)
        return;
    m_iconShown = false;
    platform::tray().removeIcon();
}

} // namespace kestrune::tutor_ui
