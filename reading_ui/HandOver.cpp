#include "reading_ui/HandOver.h"

#include "reading_ui/Forms.h"
#include "reading_ui/FrmFront.h"
#include "reading_ui/FrmOpen.h"

#include "platform/AppFrame.h"
#include "widgets/AboutBox.h"
#include "widgets/WebLinks.h"

namespace kestrune::reading_ui {

void showStartWindow()
{
    if (platform::isEnding())
        return;
    frmOpen()->show();
}

void showQuerentWindow()
{
    if (platform::isEnding())
        return;
    frmFront()->show();
}

void openOnlineHelp() { widgets::openOnlineHelp(); }
void openHomePage() { widgets::openHomePage(); }
void openDownloadPage() { widgets::openDownloadPage(); }
void showAboutBox(QWidget* parent) { widgets::showAboutBox(parent); }

} // namespace kestrune::reading_ui
