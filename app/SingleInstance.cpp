#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <unistd.h>

namespace kestrune::app {

QString SingleInstance::lockPathFor(const QString& programName)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(programName + QStringLiteral(".lock"));
    return QDir(QDir::tempPath())
        .filePath(programName + QLatin1Char('-') + QString::number(::getuid()) + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString& programName)
    : m_path(lockPathFor(programName)), m_lock(std::make_unique<QLockFile>(m_path))
{
    // The lock lives as long as the program: it never goes stale while its
    // owner runs, so only a dead owner's lock is taken over.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_held)
        m_lock->unlock();
}

bool SingleInstance::tryAcquire()
{
    if (m_held)
        return true;
    m_held = m_lock->tryLock(0);
    return m_held;
}

} // namespace kestrune::app
