#pragma once

// A small file system of its own for tests that need a real full disk or a
// real read-only folder: a tmpfs mounted on a fresh temporary folder and
// taken down again when the object goes. Mounting needs root; where it is
// not permitted, isMounted() is false and the test skips.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace kestrune::testing {

class ScratchMount {
public:
    // sizeBytes: the file system's whole size (a few pages gives ENOSPC fast).
    explicit ScratchMount(qint64 sizeBytes)
    {
        if (!m_dir.isValid())
            return;
        const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0755";
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                            options.constData())
                 == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // Makes the file system read-only (what is on it stays readable).
    bool makeReadOnly()
    {
        return m_mounted
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       nullptr)
                   == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace kestrune::testing
