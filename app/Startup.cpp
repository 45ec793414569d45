#include "app/Startup.h"

#include "app/SingleInstance.h"
#include "platform/AppFrame.h"
#include "platform/Dialogs.h"

#include <QFile>

#include <cstdio>

namespace kestrune::app {

bool startProgram(SingleInstance& instance)
{
    if (!instance.tryAcquire()) {
        platform::showMessage(nullptr, QStringLiteral("Application is already running"), platform::MsgButtons::Ok,
                              platform::MsgIcon::Information);
        platform::EndApplication();
        return false;
    }
    if (!instance.problem().isEmpty()) {
        const QByteArray line = "Kestrune: the lock file " + QFile::encodeName(instance.lockPath())
                              + " could not be made (" + instance.problem().toLocal8Bit()
                              + "); running without the check for another copy.\n";
        std::fputs(line.constData(), stderr);
    }
    platform::RemindUpdate();
    if (platform::isEnding())
        return false;
    if (platform::navigation().showStartWindow)
        platform::navigation().showStartWindow();
    return !platform::isEnding();
}

} // namespace kestrune::app
