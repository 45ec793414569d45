#include "platform/SaveFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kestrune::platform {

namespace {

SaveFaultHook g_faultHook;

// Small enough that a fault hook sees several steps of a typical file, large
// enough that a real save is a handful of system calls.
constexpr qint64 kChunk = 64 * 1024;

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
    return false;
}

} // namespace

void setSaveFaultHook(SaveFaultHook hook) { g_faultHook = std::move(hook); }

bool saveFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(error, target.isDir() ? QStringLiteral("It is a folder, not a file")
                                          : QStringLiteral("It is not a regular file"));

    QSaveFile file(path);
    // Unbuffered: each write reaches the system at once, so a full disk shows
    // as a failed write here rather than as a flush Qt might not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());

    qint64 written = 0;
    while (written < bytes.size()) {
        if (g_faultHook) {
            const QString reason = g_faultHook(path, written);
            if (!reason.isEmpty()) {
                file.cancelWriting();
                return fail(error, reason);
            }
        }
        const qint64 n = std::min(kChunk, static_cast<qint64>(bytes.size()) - written);
        const qint64 done = file.write(bytes.constData() + written, n);
        if (done != n) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(error, reason);
        }
        written += done;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace kestrune::platform
