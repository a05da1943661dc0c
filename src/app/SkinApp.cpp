#include "app/SkinApp.h"

#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/QtDialogService.h"
#include "app/StartupLog.h"
#include "services/DialogService.h"

#include <QFileInfo>

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
    if (!prepareWindow(window, arguments()))
        return 0;
    window.show();
    qCInfo(startupLog).noquote() << "window shown with the menu" << window.menuTitles().join(QLatin1Char(' '));
    return exec();
}

bool SkinApp::prepareWindow(MainWindow& window, const QStringList& arguments)
{
    // A start-up that asked to close (no language, no default skin) ends the
    // program without showing the window.
    if (!window.initialise() || window.closeRequested())
        return false;
    // Opened once the language and the default skin are in place; one that
    // does not load is reported as by Open, and the editor starts empty.
    const QString skin = arguments.value(1);
    if (!skin.isEmpty())
        window.openSkinFile(QFileInfo(skin).absoluteFilePath());
    return true;
}
