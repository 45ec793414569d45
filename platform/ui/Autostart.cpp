#include "platform/ui/Autostart.h"

#include "platform/AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/SaveFile.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>
#include <filesystem>
#include <system_error>

namespace kestrune::platform {

namespace {

// Inside a quoted Exec argument: ", `, $ and \ take a backslash, and % is
// doubled so it is not read as a field code.
QString quoteExecArgument(const QString& argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted += QLatin1Char('"');
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

// The escapes of a desktop entry's string values, applied to the whole value.
QString escapeValue(const QString& value)
{
    QString escaped;
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

StartupEntryError failure(StartupEntryError::Step step, int code, QString description)
{
    StartupEntryError e;
    e.step = step;
    e.code = code;
    e.description = std::move(description);
    return e;
}

StartupEntryError writeEntry(bool enable)
{
    // Removing needs no folder: there is nothing to remove when it is missing.
    if (!enable) {
        QFile::remove(startupEntryPath());
        return {};
    }
    const QString folder = autostartFolder();
    std::error_code ec;
    const std::filesystem::path folderPath(folder.toStdString());
    std::filesystem::create_directories(folderPath, ec);
    if (!ec && !std::filesystem::is_directory(folderPath, ec) && !ec)
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        return failure(StartupEntryError::Step::Opening, ec.value(), QString::fromStdString(ec.message()));

    QString reason;
    int code = 0;
    if (!saveFile(startupEntryPath(), startupEntryText(executablePath()), &reason, &code))
        return failure(StartupEntryError::Step::Setting, code, reason);
    return {};
}

} // namespace

QString StartupEntryError::message() const
{
    switch (step) {
    case Step::None: return QString();
    case Step::Opening:
        return QStringLiteral("Error ") + QString::number(code) + QStringLiteral(" opening key\r\n") + description;
    case Step::Setting:
        return QStringLiteral("Error ") + QString::number(code) + QStringLiteral(" setting key\r\n") + description;
    case Step::Other: return QString::number(code) + QLatin1Char(' ') + description;
    }
    return QString();
}

QString startupEntryPath()
{
    return QDir(autostartFolder()).filePath(executableBaseName() + QStringLiteral(".desktop"));
}

QString startupCommand(const QString& executable)
{
    return escapeValue(quoteExecArgument(executable) + QStringLiteral(" /STARTUP"));
}

QByteArray startupEntryText(const QString& executable)
{
    // Desktop entries are UTF-8 with LF line ends: that is what the session
    // managers that read them accept.
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=")
                       + escapeValue(appinfo::title()) + QStringLiteral("\nExec=") + startupCommand(executable)
                       + QStringLiteral("\nTerminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool IsStartupEntryPresent()
{
    QFile file(startupEntryPath());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // An entry the desktop's own start-up settings switched off does not run
    // at log-on, so it does not count (and is not switched back on).
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false"))
            return false;
    }
    return true;
}

StartupEntryError writeStartupEntry(bool enable)
{
    try {
        return writeEntry(enable);
    } catch (const std::system_error& e) {
        return failure(StartupEntryError::Step::Other, e.code().value(), QString::fromLocal8Bit(e.what()));
    } catch (const std::exception& e) {
        return failure(StartupEntryError::Step::Other, 0, QString::fromLocal8Bit(e.what()));
    }
}

bool SetStartupEntry(bool enable, QWidget* parent)
{
    const StartupEntryError error = writeStartupEntry(enable);
    if (error)
        showMessage(parent, error.message(), MsgButtons::Ok, MsgIcon::None);
    return !error;
}

} // namespace kestrune::platform
