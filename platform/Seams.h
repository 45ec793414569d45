#pragma once

// The injectable seams of the program that need no window code: the clock, the
// random source, the application folder, the settings store, the autostart
// folder, the event pump used by long work and the blocking waits.
//
// Each seam has a process-wide current implementation. Production code asks for
// it through the free functions below; tests install their own with the
// set...() functions (passing nullptr or an empty value restores the default).

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <random>

class QSettings;

namespace kestrune::platform {

// ---- Clock ("today") -------------------------------------------------------
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    QDate today() const { return now().date(); }
};

// A clock that stays where it is set.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime when) : m_when(std::move(when)) {}
    explicit FixedClock(QDate day) : m_when(day.startOfDay()) {}
    QDateTime now() const override { return m_when; }
    void set(QDateTime when) { m_when = std::move(when); }
    void set(QDate day) { m_when = day.startOfDay(); }

private:
    QDateTime m_when;
};

Clock& clock();
void setClock(Clock* clock);

// ---- Random source ---------------------------------------------------------
// Uniform single-precision numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float uniform() = 0;
    // Starts a new sequence from the clock (the draw does this once per reading).
    virtual void reseed() = 0;
};

// Mersenne twister; reseed() takes a high-resolution clock reading, so two
// readings a moment apart differ. A fixed seed makes it reproducible: then
// reseed() keeps the sequence going instead of restarting it.
class MersenneRandom : public RandomSource {
public:
    MersenneRandom();
    explicit MersenneRandom(quint32 seed);
    float uniform() override;
    void reseed() override;

private:
    std::mt19937 m_engine;
    bool m_fixed = false;
};

// Plays back scripted values in order (then repeats the last one); reseed()
// does nothing. Values must lie in [0, 1).
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : m_values(std::move(values)) {}
    float uniform() override;
    void reseed() override {}
    void push(float value) { m_values.push_back(value); }
    std::size_t used() const { return m_next; }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

RandomSource& random();
void setRandom(RandomSource* source);

// ---- Application folder ----------------------------------------------------
// The folder of the running executable, where the data files are found.
QString applicationFolder();
void setApplicationFolder(const QString& folder);
// applicationFolder() joined with a relative path using '/'.
QString inApplicationFolder(const QString& relative);

// The running executable's full path and its file name without extension (the
// settings store's application name and the autostart entry's name).
QString executablePath();
QString executableBaseName();
void setExecutablePath(const QString& path);

// ---- The user's own files -------------------------------------------------
// $XDG_DATA_HOME/kestrune (default ~/.local/share/kestrune): where an installed
// program keeps what the user makes. Not created here; callers that write make it.
QString userDataHome();
void setUserDataHome(const QString& folder);

// The folder for the user's goals and their backup: the application folder
// while it can be written (a program run in place keeps its goals beside it),
// otherwise userDataHome().
QString userDataFolder();
// userDataFolder() joined with a relative path using '/'.
QString inUserDataFolder(const QString& relative);

// ---- Settings store --------------------------------------------------------
// Per-user key/value store addressed by application name, section and key.
// The default is the user's configuration folder; tests point it at a file.
std::unique_ptr<QSettings> openSettings();
void setSettingsFile(const QString& iniPath);

// String-valued settings in one section, as the program stores them.
class SettingsStore {
public:
    explicit SettingsStore(QString section = QStringLiteral("Settings"));
    ~SettingsStore();
    QString value(const QString& key, const QString& defaultValue = QString()) const;
    void setValue(const QString& key, const QString& value);
    bool contains(const QString& key) const;
    void remove(const QString& key);
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
    QString m_section;
};

// ---- Autostart folder ------------------------------------------------------
// $XDG_CONFIG_HOME/autostart, or ~/.config/autostart.
QString autostartFolder();
void setAutostartFolder(const QString& folder);

// ---- Event pump and waits --------------------------------------------------
// Lets the windowing system handle pending events from inside long work.
void processPendingEvents();
void setEventPump(std::function<void()> pump);

// Blocks the thread for the given milliseconds (tests shorten or record it).
void blockingWait(int milliseconds);
void setWaitHook(std::function<void(int)> hook);

// Restores every seam above to its default.
void resetSeams();

} // namespace kestrune::platform
