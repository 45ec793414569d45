#include "platform/ui/Tray.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace kestrune::platform {

namespace {

Tray* g_tray = nullptr;

} // namespace

SystemTray::SystemTray(QObject* parent) : Tray(parent) {}

SystemTray::~SystemTray() { removeIcon(); }

bool SystemTray::isAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void SystemTray::showIcon(const QIcon& icon, const QString& toolTip, QMenu* menu)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                emit doubleClicked();
        });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    // The context menu is shown by the tray itself on a right click, at the mouse.
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void SystemTray::removeIcon()
{
    if (!m_icon)
        return;
    m_icon->hide();
    m_icon->setContextMenu(nullptr);
}

bool SystemTray::isIconShown() const { return m_icon && m_icon->isVisible(); }

void StandInTray::showIcon(const QIcon& icon, const QString& toolTip, QMenu* menu)
{
    m_shown = !m_refusesIcon;
    ++m_timesShown;
    m_iconShown = icon;
    m_toolTip = toolTip;
    m_menu = menu;
}

void StandInTray::removeIcon()
{
    m_shown = false;
    m_menu = nullptr;
}

Tray& tray()
{
    if (g_tray)
        return *g_tray;
    // Created on first use, when the application object exists, and owned by
    // it, so the icon goes with the application.
    static QPointer<SystemTray> system;
    if (!system)
        system = new SystemTray(QCoreApplication::instance());
    return *system;
}

void setTray(Tray* t) { g_tray = t; }

} // namespace kestrune::platform
