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
    if (m_held)
        return true;
    // Only a lock held by a running copy refuses the start. A lock file that
    // cannot be written at all (no usable runtime folder) must not keep the
    // user out of the program for good: it then runs without the guard.
    return m_lock->error() != QLockFile::LockFailedError;
}

} // namespace kestrune::app
