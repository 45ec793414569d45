#pragma once

// The one way the program writes a file the user keeps (goals, backups, test
// reports, the autostart entry, exported readings, tool outputs).
//
// The bytes go to a temporary file beside the target; every write and the flush
// are checked, any failure discards the temporary file, and only a complete
// file is renamed over the target. So a full disk, a read-only folder or a crash
// mid-write leaves the old file whole, and the caller gets the system's reason
// to tell the user.

#include <QByteArray>
#include <QString>

#include <functional>

namespace kestrune::platform {

// Writes `bytes` to `path`, replacing what was there only once everything is
// written. Refuses a target that exists but is not a regular file (a folder, a
// device, a FIFO): such a thing is never replaced. On failure returns false and,
// where `error` is given, sets it to a sentence fragment naming the reason
// (e.g. "No space left on device") and, where `errorCode` is given, to the
// system's error number for it (EIO when the system gave none).
bool saveFile(const QString& path, const QByteArray& bytes, QString* error = nullptr, int* errorCode = nullptr);

// Test seam: when set, the hook is asked before each chunk of a save is written
// with the target path and the number of bytes already written; returning a
// non-empty reason makes that write fail with it (as a full disk would).
// nullptr restores ordinary writes. resetSeams() clears it too.
using SaveFaultHook = std::function<QString(const QString& path, qint64 written)>;
void setSaveFaultHook(SaveFaultHook hook);

} // namespace kestrune::platform
