#include "app/Startup.h"

#include "app/SingleInstance.h"
#include "platform/AppFrame.h"
#include "platform/Dialogs.h"

namespace kestrune::app {

bool startProgram(SingleInstance& instance)
{
    if (!instance.tryAcquire()) {
        platform::showMessage(nullptr, QStringLiteral("Application is already running"), platform::MsgButtons::Ok,
                              platform::MsgIcon::Information);
        platform::EndApplication();
        return false;
    }
    platform::RemindUpdate();
    if (platform::isEnding())
        return false;
    if (platform::navigation().showStartWindow)
        platform::navigation().showStartWindow();
    return !platform::isEnding();
}

} // namespace kestrune::app
