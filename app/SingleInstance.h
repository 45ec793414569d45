#pragma once

// One running copy per user: the first copy holds a lock file in the user's
// runtime folder for as long as it runs. A lock left behind by a copy that
// crashed is taken over (the lock records its owner's process id).

#include <QString>

#include <memory>

class QLockFile;

namespace kestrune::app {

class SingleInstance {
public:
    // The lock file for a program name: <runtime folder>/<name>.lock, where the
    // runtime folder is $XDG_RUNTIME_DIR or, without it, the temporary folder
    // (the file name then carries the user id so users do not collide).
    explicit SingleInstance(const QString& programName);
    ~SingleInstance();

    // True unless another running copy holds the lock. Normally this copy then
    // holds it (isHeld()); if the lock file cannot be made at all, the answer
    // is true without holding it.
    bool tryAcquire();
    bool isHeld() const { return m_held; }
    QString lockPath() const { return m_path; }

    static QString lockPathFor(const QString& programName);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace kestrune::app
