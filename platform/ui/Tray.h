#pragma once

// The notification-area icon behind a small interface, so the tutor window
// can be driven by a stand-in tray in tests. There is one icon for the whole
// program; tray() gives the current implementation.

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

class QSystemTrayIcon;

namespace kestrune::platform {

class Tray : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the desktop has a notification area to show the icon in.
    virtual bool isAvailable() const = 0;
    // Shows the icon with its tooltip; the menu pops up on a right click.
    virtual void showIcon(const QIcon& icon, const QString& toolTip, QMenu* menu) = 0;
    virtual void removeIcon() = 0;
    virtual bool isIconShown() const = 0;

signals:
    // The user double-clicked the icon.
    void doubleClicked();
};

// The desktop's notification area (QSystemTrayIcon).
class SystemTray : public Tray {
    Q_OBJECT

public:
    explicit SystemTray(QObject* parent = nullptr);
    ~SystemTray() override;
    bool isAvailable() const override;
    void showIcon(const QIcon& icon, const QString& toolTip, QMenu* menu) override;
    void removeIcon() override;
    bool isIconShown() const override;

private:
    QSystemTrayIcon* m_icon = nullptr;
};

// A stand-in for tests: records what is shown and lets the test play the
// user's double click or the choice of a menu entry.
class StandInTray : public Tray {
    Q_OBJECT

public:
    explicit StandInTray(bool available = true, QObject* parent = nullptr)
        : Tray(parent), m_available(available) {}
    bool isAvailable() const override { return m_available; }
    void setAvailable(bool available) { m_available = available; }
    // A desktop that reports a notification area but does not take the icon.
    void setRefusesIcon(bool refuses) { m_refusesIcon = refuses; }
    void showIcon(const QIcon& icon, const QString& toolTip, QMenu* menu) override;
    void removeIcon() override;
    bool isIconShown() const override { return m_shown; }

    QIcon icon() const { return m_iconShown; }
    QString toolTip() const { return m_toolTip; }
    QMenu* menu() const { return m_menu; }
    int timesShown() const { return m_timesShown; }

    void doubleClick() { emit doubleClicked(); }

private:
    bool m_available;
    bool m_refusesIcon = false;
    bool m_shown = false;
    int m_timesShown = 0;
    QIcon m_iconShown;
    QString m_toolTip;
    QPointer<QMenu> m_menu;
};

// The current tray: the system's unless a test installed its own (nullptr
// restores the system's).
Tray& tray();
void setTray(Tray* tray);

} // namespace kestrune::platform
