#pragma once

// The stored choices of the settings tab and its start-up options: loading
// them into the tutor window's controls, "Save Current Settings As Default",
// the start-up entry ("Run at start-up" / "Don't run at start-up") and the
// "Start at system tray" box, whose every change is stored at once.

#include <QObject>

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kestrune::tutor_ui {

struct SettingsControls {
    QCheckBox* chkMajor = nullptr;
    QCheckBox* chkMinor = nullptr;
    std::array<QCheckBox*, 4> chkGroup{}; // Cups, Wands, Pentacles, Swords
    std::array<QRadioButton*, 2> optTestType{};
    std::array<QRadioButton*, 3> optDifficulty{};
    QRadioButton* optRun = nullptr;
    QRadioButton* optDontRun = nullptr;
    QCheckBox* chkSysTray = nullptr;
    QPushButton* cmdSaveSettings = nullptr;
};

class SettingsController : public QObject {
    Q_OBJECT

public:
    // window: the owner of the start-up entry's error messages.
    SettingsController(const SettingsControls& controls, QWidget* window);

    // Sets the card choice and test options from the store, in the order
    // chkMajor, chkMinor, chkGroup(0..3), optTestType, optDifficulty. A value
    // that cannot be read leaves its control as it is. The window derives the
    // enabled states of its other controls afterwards.
    void loadSettings();
    // Selects "Run at start-up" when the entry is present (rewriting it for the
    // executable as it is now) and ticks "Start at system tray" from the store;
    // otherwise selects "Don't run at start-up".
    void loadStartupOptions();

    void cmdSaveSettings_Click();
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();

private:
    SettingsControls m_c;
    QWidget* m_window;
};

} // namespace kestrune::tutor_ui
