#include "reading_ui/HandOver.h"

#include "platform/AppFrame.h"
#include "widgets/AboutBox.h"
#include "widgets/WebLinks.h"


namespace kestrune::reading_ui {

void showStartWindow()
{
    if (platform::navigation().showStartWindow)
        platform::navigation().showStartWindow();
}

void showQuerentWindow()
{
}

void openOnlineHelp() { widgets::openOnlineHelp(); }
void openHomePage() { widgets::openHomePage(); }
void openDownloadPage() { widgets::openDownloadPage(); }
void showAboutBox(QWidget* parent) { widgets::showAboutBox(parent); }

} // namespace kestrune::reading_ui
