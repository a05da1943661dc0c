#include "SkinApp.h"

#include "DialogService.h"
#include "MainWindow.h"
#include "ProgramIcon.h"
#include "QtDialogService.h"

SkinApp::SkinApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setWindowIcon(programIcon());
}

int SkinApp::start()
{
    QtDialogService dialogs;
    const DialogServiceScope scope(dialogs);

    MainWindow window;
    dialogs.setOwner(&window);
    // A start-up that asked to close (no language, no default skin) ends the
    // program without showing the window.
    if (!window.initialise() || window.closeRequested())
        return 0;
    window.show();
    return exec();
}
