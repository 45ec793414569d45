#pragma once

// One running copy per user: the first copy holds a lock on a file in the
// user's own runtime folder for as long as it runs. The lock is the system's
// (flock), so it goes with its owner: a file left behind by a copy that
// crashed, an empty one or one with anything in it is simply taken over.

#include <QString>

namespace kestrune::app {

class SingleInstance {
public:
    // The lock file for a program name: <runtime folder>/<name>.lock, where the
    // runtime folder is $XDG_RUNTIME_DIR or, without it, a folder of the
    // user's own that no other user can write (see lockPathFor).
    explicit SingleInstance(const QString& programName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True unless another running copy holds the lock. Normally this copy then
    // holds it (isHeld()); if the lock cannot be made at all (a folder in its
    // place, no usable runtime folder), the answer is true without holding it
    // and problem() says why.
    bool tryAcquire();
    bool isHeld() const { return m_fd >= 0; }
    QString lockPath() const { return m_path; }
    QString problem() const { return m_problem; }

    // $XDG_RUNTIME_DIR/<name>.lock when that folder exists; otherwise
    // <cache home>/kestrune/<name>.lock ($XDG_CACHE_HOME or ~/.cache), a
    // folder only the user can enter, made on first use.
    static QString lockPathFor(const QString& programName);

private:
    QString m_path;
    QString m_problem;
    int m_fd = -1;
};

} // namespace kestrune::app
