#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrune::app {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString privateFallbackFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/kestrune");
}

// The folder must be the user's own and closed to everybody else, or another
// user could hold the lock first (or put something else under its name).
QString checkPrivateFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        if (errno != ENOENT)
            return systemReason(errno);
        if (!QDir().mkpath(QFileInfo(folder).absolutePath()))
            return QStringLiteral("its folder could not be made");
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return systemReason(errno);
        if (::lstat(native.constData(), &st) != 0)
            return systemReason(errno);
    }
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (st.st_uid != ::getuid())
        return QStringLiteral("%1 belongs to another user").arg(folder);
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("%1 can be written by other users").arg(folder);
    return QString();
}

} // namespace

QString SingleInstance::lockPathFor(const QString& programName)
{
    const QString name = programName + QStringLiteral(".lock");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name);
    return QDir(privateFallbackFolder()).filePath(name);
}

SingleInstance::SingleInstance(const QString& programName) : m_path(lockPathFor(programName)) {}

SingleInstance::~SingleInstance()
{
    // The file stays: removing it could let a copy that opened it just now
    // and a copy that makes a new one both believe they hold the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    m_problem.clear();
    const QString folder = QFileInfo(m_path).absolutePath();
    if (folder == QDir(privateFallbackFolder()).absolutePath()) {
        const QString why = checkPrivateFolder(folder);
        if (!why.isEmpty()) {
            m_problem = why;
            return true;
        }
    }

    // Never follows a link, never blocks on a pipe; what is opened must be a
    // regular file. A lock that cannot be made at all must not keep the user
    // out of the program for good: it then runs without the guard.
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_problem = systemReason(errno);
        return true;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_problem = QStringLiteral("It is not a regular file");
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false; // a running copy holds it
        m_problem = systemReason(error);
        return true;
    }
    // What the file held before (nothing, another copy's id, anything) no
    // longer matters; it now names this copy, for people who look.
    const QByteArray id = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0)
        (void)!::write(fd, id.constData(), size_t(id.size()));
    m_fd = fd;
    return true;
}

} // namespace kestrune::app
