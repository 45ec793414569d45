#include "platform/Seams.h"

#include "platform/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <chrono>

namespace kestrune::platform {

namespace {

Clock g_systemClock;
Clock* g_clock = nullptr;

RandomSource& systemRandom()
{
    static MersenneRandom source;
    return source;
}
RandomSource* g_random = nullptr;

QString g_applicationFolder;
QString g_executablePath;
QString g_settingsFile;
QString g_autostartFolder;
QString g_userDataHome;
std::function<void()> g_eventPump;
std::function<void(int)> g_waitHook;

// An XDG base folder: the variable's value when it is an absolute path (the
// base-directory rules ignore relative ones), else the fallback under home.
QString xdgBaseFolder(const char* variable, const QString& homeFallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + homeFallback;
}

} // namespace

QDateTime Clock::now() const { return QDateTime::currentDateTime(); }

Clock& clock() { return g_clock ? *g_clock : g_systemClock; }
void setClock(Clock* c) { g_clock = c; }

MersenneRandom::MersenneRandom() { reseed(); }

MersenneRandom::MersenneRandom(quint32 seed) : m_engine(seed), m_fixed(true) {}

float MersenneRandom::uniform()
{
    // 24 random bits give every representable step of a float in [0, 1).
    const quint32 bits = static_cast<quint32>(m_engine()) >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

void MersenneRandom::reseed()
{
    if (m_fixed)
        return;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<quint32>(ticks), static_cast<quint32>(ticks >> 32)};
    m_engine.seed(seq);
}

float ScriptedRandom::uniform()
{
    if (m_values.empty())
        return 0.0f;
    const float v = m_values[std::min(m_next, m_values.size() - 1)];
    ++m_next;
    return v;
}

RandomSource& random() { return g_random ? *g_random : systemRandom(); }
void setRandom(RandomSource* source) { g_random = source; }

QString applicationFolder()
{
    if (!g_applicationFolder.isEmpty())
        return g_applicationFolder;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void setApplicationFolder(const QString& folder) { g_applicationFolder = folder; }

QString inApplicationFolder(const QString& relative)
{
    return applicationFolder() + QLatin1Char('/') + relative;
}

QString executablePath()
{
    if (!g_executablePath.isEmpty())
        return g_executablePath;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QStringLiteral("kestrune");
}

QString executableBaseName() { return QFileInfo(executablePath()).completeBaseName(); }

void setExecutablePath(const QString& path) { g_executablePath = path; }

QString userDataHome()
{
    if (!g_userDataHome.isEmpty())
        return g_userDataHome;
    return xdgBaseFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QStringLiteral("/kestrune");
}

void setUserDataHome(const QString& folder) { g_userDataHome = folder; }

QString userDataFolder()
{
    const QString app = applicationFolder();
    if (QFileInfo(app).isWritable())
        return app;
    return userDataHome();
}

QString inUserDataFolder(const QString& relative)
{
    return userDataFolder() + QLatin1Char('/') + relative;
}

std::unique_ptr<QSettings> openSettings()
{
    if (!g_settingsFile.isEmpty())
        return std::make_unique<QSettings>(g_settingsFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       executableBaseName(), executableBaseName());
}

void setSettingsFile(const QString& iniPath) { g_settingsFile = iniPath; }

SettingsStore::SettingsStore(QString section) : m_settings(openSettings()), m_section(std::move(section)) {}
SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString& key, const QString& defaultValue) const
{
    return m_settings->value(m_section + QLatin1Char('/') + key, defaultValue).toString();
}

void SettingsStore::setValue(const QString& key, const QString& value)
{
    m_settings->setValue(m_section + QLatin1Char('/') + key, value);
}

bool SettingsStore::contains(const QString& key) const
{
    return m_settings->contains(m_section + QLatin1Char('/') + key);
}

void SettingsStore::remove(const QString& key) { m_settings->remove(m_section + QLatin1Char('/') + key); }

void SettingsStore::sync() { m_settings->sync(); }

QString autostartFolder()
{
    if (!g_autostartFolder.isEmpty())
        return g_autostartFolder;
    return xdgBaseFolder("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QStringLiteral("/autostart");
}

void setAutostartFolder(const QString& folder) { g_autostartFolder = folder; }

void processPendingEvents()
{
    if (g_eventPump) {
        g_eventPump();
        return;
    }
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void setEventPump(std::function<void()> pump) { g_eventPump = std::move(pump); }

void blockingWait(int milliseconds)
{
    if (g_waitHook) {
        g_waitHook(milliseconds);
        return;
    }
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void setWaitHook(std::function<void(int)> hook) { g_waitHook = std::move(hook); }

void resetSeams()
{
    g_clock = nullptr;
    g_random = nullptr;
    g_applicationFolder.clear();
    g_executablePath.clear();
    g_settingsFile.clear();
    g_autostartFolder.clear();
    g_userDataHome.clear();
    setSaveFaultHook(nullptr);
    g_eventPump = nullptr;
    g_waitHook = nullptr;
}

} // namespace kestrune::platform
