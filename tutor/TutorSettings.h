#pragma once

// The tutor's stored choices: nine text values in the settings store (section
// "Settings", application name = the executable's name). The table of keys,
// their kinds and their defaults lives in one place, tutorSettingKeys().

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace kestrune::platform {
class SettingsStore;
}

namespace kestrune::tutor {

enum class TutorSetting {
    MajorArcana,
    MinorArcana,
    Cups,
    Wands,
    Pentacles,
    Swords,
    TestType,
    Difficulty,
    RunAtSysTray,
};

enum class SettingKind {
    TickState, // a check box's value as decimal text: "0" unticked, "1" ticked
    Choice,    // the index of the selected option button as decimal text
    Flag,      // "True" or "False", compared exactly
};

struct TutorSettingKey {
    TutorSetting setting;
    QString key;
    SettingKind kind;
    QString defaultValue;
    int choices; // how many option buttons a Choice selects among (else 0)
};

// The nine keys in the order they are written and loaded.
const QList<TutorSettingKey>& tutorSettingKeys();
const TutorSettingKey& tutorSettingKey(TutorSetting setting);

// The tutor's choices as the window's controls hold them. A value that is
// missing from the store takes its default; one that cannot be read as its
// kind is left empty, so the control it belongs to stays as it is.
struct TutorSettings {
    std::optional<bool> majorArcana;
    std::optional<bool> minorArcana;
    std::array<std::optional<bool>, 4> groups; // Cups, Wands, Pentacles, Swords
    std::optional<int> testType;               // 0 Description, 1 Keyword
    std::optional<int> difficulty;             // 0, 1, 2
    bool runAtSysTray = false;

    // The values of a first start: every card, keyword test, first level, no tray.
    static TutorSettings defaults();
};

TutorSettings loadTutorSettings(platform::SettingsStore& store);
// Writes all nine keys (values left empty are written as their defaults).
void saveTutorSettings(platform::SettingsStore& store, const TutorSettings& settings);
// Writes "RunAtSysTray" alone, as the tray box does at every change.
void saveRunAtSysTray(platform::SettingsStore& store, bool ticked);

// The stored text of one value, and a stored text read back.
QString tickStateText(bool ticked);
std::optional<bool> parseTickState(const QString& text);
std::optional<int> parseChoice(const QString& text, int choices);

} // namespace kestrune::tutor
