#pragma once

// The per-user start-up entry: a freedesktop autostart entry
// "<executable name>.desktop" in the autostart folder, whose command is the
// quoted path of the running executable followed by " /STARTUP".

#include <QString>

class QWidget;

namespace kestrune::platform {

// The entry's file: autostartFolder() + "/" + executableBaseName() + ".desktop".
QString startupEntryPath();
// The Exec line's value: "<executable path>" /STARTUP, with the characters the
// desktop entry format reserves escaped inside the quotes.
QString startupCommand(const QString& executablePath);
// The whole entry as written.
QByteArray startupEntryText(const QString& executablePath);

// Whether the entry exists and is not switched off (Hidden=true or
// X-GNOME-Autostart-enabled=false, as desktop settings write them).
bool IsStartupEntryPresent();

// The outcome of a change of the entry: on failure, what failed, with the
// platform's code and description.
struct StartupEntryError {
    enum class Step { None, Opening, Setting, Other } step = Step::None;
    int code = 0;
    QString description;
    explicit operator bool() const { return step != Step::None; }
    // The message the user is shown ("Error 13 opening key\r\nPermission denied").
    QString message() const;
};

// Writes the entry for the running executable (enable) or removes it; a
// removal that fails (for example because there is no entry) is not an error.
StartupEntryError writeStartupEntry(bool enable);

// writeStartupEntry, showing its failure to the user in a box with an OK
// button and no icon; false after such a failure.
bool SetStartupEntry(bool enable, QWidget* parent = nullptr);

} // namespace kestrune::platform
