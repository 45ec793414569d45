#include "tutor/TutorSettings.h"

#include "platform/Seams.h"

namespace kestrune::tutor {

namespace {

QString text(const char* s) { return QLatin1String(s); }

std::optional<bool>* tickField(TutorSettings& s, TutorSetting setting)
{
    switch (setting) {
    case TutorSetting::MajorArcana: return &s.majorArcana;
    case TutorSetting::MinorArcana: return &s.minorArcana;
    case TutorSetting::Cups: return &s.groups[0];
    case TutorSetting::Wands: return &s.groups[1];
    case TutorSetting::Pentacles: return &s.groups[2];
    case TutorSetting::Swords: return &s.groups[3];
    default: return nullptr;
    }
}

std::optional<int>* choiceField(TutorSettings& s, TutorSetting setting)
{
    switch (setting) {
    case TutorSetting::TestType: return &s.testType;
    case TutorSetting::Difficulty: return &s.difficulty;
    default: return nullptr;
    }
}

} // namespace

const QList<TutorSettingKey>& tutorSettingKeys()
{
    static const QList<TutorSettingKey> keys = {
        {TutorSetting::MajorArcana, text("MajorArcana"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::MinorArcana, text("MinorArcana"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::Cups, text("Cups"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::Wands, text("Wands"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::Pentacles, text("Pentacles"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::Swords, text("Swords"), SettingKind::TickState, text("1"), 0},
        {TutorSetting::TestType, text("TestType"), SettingKind::Choice, text("1"), 2},
        {TutorSetting::Difficulty, text("Difficulty"), SettingKind::Choice, text("0"), 3},
        {TutorSetting::RunAtSysTray, text("RunAtSysTray"), SettingKind::Flag, text("False"), 0},
    };
    return keys;
}

const TutorSettingKey& tutorSettingKey(TutorSetting setting)
{
    for (const TutorSettingKey& k : tutorSettingKeys()) {
        if (k.setting == setting)
            return k;
    }
    Q_UNREACHABLE();
}

QString tickStateText(bool ticked) { return ticked ? text("1") : text("0"); }

std::optional<bool> parseTickState(const QString& value)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok || (n != 0 && n != 1))
        return std::nullopt;
    return n == 1;
}

std::optional<int> parseChoice(const QString& value, int choices)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok || n < 0 || n >= choices)
        return std::nullopt;
    return n;
}

TutorSettings TutorSettings::defaults()
{
    TutorSettings s;
    for (const TutorSettingKey& k : tutorSettingKeys()) {
        switch (k.kind) {
        case SettingKind::TickState: *tickField(s, k.setting) = parseTickState(k.defaultValue); break;
        case SettingKind::Choice: *choiceField(s, k.setting) = parseChoice(k.defaultValue, k.choices); break;
        case SettingKind::Flag: s.runAtSysTray = k.defaultValue == QLatin1String("True"); break;
        }
    }
    return s;
}

TutorSettings loadTutorSettings(platform::SettingsStore& store)
{
    TutorSettings s;
    for (const TutorSettingKey& k : tutorSettingKeys()) {
        const QString value = store.value(k.key, k.defaultValue);
        switch (k.kind) {
        case SettingKind::TickState: *tickField(s, k.setting) = parseTickState(value); break;
        case SettingKind::Choice: *choiceField(s, k.setting) = parseChoice(value, k.choices); break;
        case SettingKind::Flag: s.runAtSysTray = value == QLatin1String("True"); break;
        }
    }
    return s;
}

void saveTutorSettings(platform::SettingsStore& store, const TutorSettings& settings)
{
    TutorSettings s = settings;
    for (const TutorSettingKey& k : tutorSettingKeys()) {
        switch (k.kind) {
        case SettingKind::TickState: {
            const std::optional<bool> v = *tickField(s, k.setting);
            store.setValue(k.key, v ? tickStateText(*v) : k.defaultValue);
            break;
        }
        case SettingKind::Choice: {
            const std::optional<int> v = *choiceField(s, k.setting);
            store.setValue(k.key, v ? QString::number(*v) : k.defaultValue);
            break;
        }
        case SettingKind::Flag:
            store.setValue(k.key, s.runAtSysTray ? text("True") : text("False"));
            break;
        }
    }
    store.sync();
}

void saveRunAtSysTray(platform::SettingsStore& store, bool ticked)
{
    store.setValue(tutorSettingKey(TutorSetting::RunAtSysTray).key, ticked ? text("True") : text("False"));
    store.sync();
}

} // namespace kestrune::tutor
