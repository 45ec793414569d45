#include "platform/SaveFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace kestrune::platform {

namespace {

SaveFaultHook g_faultHook;

// Small enough that a fault hook sees several steps of a typical file, large
// enough that a real save is a handful of system calls.
constexpr qint64 kChunk = 64 * 1024;

bool fail(QString* error, int* errorCode, const QString& reason, int code)
{
    if (error)
        *error = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
    if (errorCode)
        *errorCode = code != 0 ? code : EIO;
    return false;
}

QString systemReason(int code)
{
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : QString();
}

} // namespace

void setSaveFaultHook(SaveFaultHook hook) { g_faultHook = std::move(hook); }

bool saveFile(const QString& path, const QByteArray& bytes, QString* error, int* errorCode)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return target.isDir() ? fail(error, errorCode, QStringLiteral("It is a folder, not a file"), EISDIR)
                              : fail(error, errorCode, QStringLiteral("It is not a regular file"), EINVAL);

    QSaveFile file(path);
    // Unbuffered: each write reaches the system at once, so a full disk shows
    // as a failed write here rather than as a flush Qt might not report.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, errorCode, file.errorString(), errno);

    // Any failure from here on discards the temporary file: the target is
    // only ever replaced by a file that holds every byte.
    const auto abandon = [&](const QString& reason, int code) {
        file.cancelWriting();
        return fail(error, errorCode, reason, code);
    };
    // An empty save is one step too: the hook is asked before it.
    if (bytes.isEmpty() && g_faultHook) {
        const QString reason = g_faultHook(path, 0);
        if (!reason.isEmpty())
            return abandon(reason, EIO);
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        if (g_faultHook) {
            const QString reason = g_faultHook(path, written);
            if (!reason.isEmpty())
                return abandon(reason, EIO);
        }
        const qint64 n = std::min(kChunk, static_cast<qint64>(bytes.size()) - written);
        errno = 0;
        const qint64 done = file.write(bytes.constData() + written, n);
        if (done <= 0) {
            const QString reason = file.errorString();
            return abandon(reason == QLatin1String("Unknown error") ? systemReason(errno) : reason, errno);
        }
        // A short write (the disk filling up mid-chunk) reports no error of its
        // own: the next write of the rest gives the system's reason.
        written += done;
    }
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return abandon(file.errorString(), errno);
    errno = 0;
    if (!file.commit())
        return fail(error, errorCode, file.errorString(), errno);
    return true;
}

} // namespace kestrune::platform
