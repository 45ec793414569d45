#include "tutor/ui/SettingsController.h"

#include "platform/Seams.h"
#include "platform/ui/Autostart.h"
#include "tutor/TutorSettings.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace kestrune::tutor_ui {

namespace {

void applyTick(QCheckBox* box, const std::optional<bool>& ticked)
{
    if (ticked)
        box->setChecked(*ticked);
}

template <std::size_t N>
void applyChoice(const std::array<QRadioButton*, N>& options, const std::optional<int>& choice)
{
    if (choice && *choice >= 0 && *choice < int(N))
        options[std::size_t(*choice)]->setChecked(true);
}

template <std::size_t N>
int selectedChoice(const std::array<QRadioButton*, N>& options, int fallback)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return fallback;
}

} // namespace

SettingsController::SettingsController(const SettingsControls& controls, QWidget* window)
    : QObject(window), m_c(controls), m_window(window)
{
    connect(m_c.cmdSaveSettings, &QPushButton::clicked, this, &SettingsController::cmdSaveSettings_Click);
    connect(m_c.optRun, &QRadioButton::clicked, this, &SettingsController::optRun_Click);
    connect(m_c.optDontRun, &QRadioButton::clicked, this, &SettingsController::optDontRun_Click);
    // Every change of the box is stored, also one made by the window itself.
    connect(m_c.chkSysTray, &QCheckBox::toggled, this, &SettingsController::chkSysTray_Click);
}

void SettingsController::loadSettings()
{
    platform::SettingsStore store;
    const tutor::TutorSettings s = tutor::loadTutorSettings(store);
    applyTick(m_c.chkMajor, s.majorArcana);
    applyTick(m_c.chkMinor, s.minorArcana);
    for (std::size_t i = 0; i < m_c.chkGroup.size(); ++i)
        applyTick(m_c.chkGroup[i], s.groups[i]);
    applyChoice(m_c.optTestType, s.testType);
    applyChoice(m_c.optDifficulty, s.difficulty);
}

void SettingsController::loadStartupOptions()
{
    if (platform::IsStartupEntryPresent()) {
        m_c.optRun->setChecked(true);
        optRun_Click();
        platform::SettingsStore store;
        m_c.chkSysTray->setChecked(tutor::loadTutorSettings(store).runAtSysTray);
    } else {
        m_c.optDontRun->setChecked(true);
        optDontRun_Click();
    }
}

void SettingsController::cmdSaveSettings_Click()
{
    tutor::TutorSettings s;
    s.majorArcana = m_c.chkMajor->isChecked();
    s.minorArcana = m_c.chkMinor->isChecked();
    for (std::size_t i = 0; i < m_c.chkGroup.size(); ++i)
        s.groups[i] = m_c.chkGroup[i]->isChecked();
    // "0" only when Description is selected, else "1".
    s.testType = m_c.optTestType[0]->isChecked() ? 0 : 1;
    s.difficulty = selectedChoice(m_c.optDifficulty, 0);
    s.runAtSysTray = m_c.chkSysTray->isChecked();
    platform::SettingsStore store;
    tutor::saveTutorSettings(store, s);
}

void SettingsController::optRun_Click()
{
    // When the entry cannot be written the options show what is true: "Run
    // at start-up" only while an entry (an older one, say) is still there.
    if (!platform::SetStartupEntry(true, m_window) && !platform::IsStartupEntryPresent()) {
        m_c.optDontRun->setChecked(true);
        m_c.chkSysTray->setEnabled(false);
        m_c.chkSysTray->setChecked(false);
        return;
    }
    m_c.chkSysTray->setEnabled(true);
}

void SettingsController::optDontRun_Click()
{
    platform::SetStartupEntry(false, m_window);
    m_c.chkSysTray->setEnabled(false);
    m_c.chkSysTray->setChecked(false);
}

void SettingsController::chkSysTray_Click()
{
    platform::SettingsStore store;
    tutor::saveRunAtSysTray(store, m_c.chkSysTray->isChecked());
}

} // namespace kestrune::tutor_ui
