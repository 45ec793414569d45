// Kestrune: the reading half and the tutor half, started from one start window.

#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "platform/AppFrame.h"
#include "platform/Icons.h"
#include "platform/Seams.h"
#include "reading_ui/FrmOpen.h"
#include "tutor/ui/TutorWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(kestrune::platform::programIcon());
    // Every way out goes through EndApplication; a hand-over that closes one
    // window before the next is shown, or the tutor waiting in the tray, must
    // not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace kestrune;
    platform::navigation().showStartWindow = [] { reading_ui::frmOpen()->show(); };
    // The tutor reads the command line ("/STARTUP") itself.
    platform::navigation().openTutor = [](const QStringList& arguments) { tutor_ui::showFrmMain(arguments); };

    app::SingleInstance instance(platform::executableBaseName());
    if (!app::startProgram(instance))
        return 0;
    return QApplication::exec();
}
