#include "widgets/WebLinks.h"

#include "platform/AppInfo.h"
#include "platform/Dialogs.h"

#include <QUrl>

namespace kestrune::widgets {

namespace {

bool openPage(const QString& address)
{
    // Failing to start a browser is not reported: the entry simply does nothing.
    return platform::dialogs().openUrl(QUrl(address));
}

} // namespace

bool openOnlineHelp() { return openPage(appinfo::onlineHelpPage()); }
bool openHomePage() { return openPage(appinfo::homePage()); }
bool openDownloadPage() { return openPage(appinfo::downloadPage()); }

} // namespace kestrune::widgets
