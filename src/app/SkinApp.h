#pragma once

#include <QApplication>
#include <QStringList>

class MainWindow;

// The application: runs the main window until it is closed, then the program ends.
class SkinApp : public QApplication {
    Q_OBJECT

public:
    SkinApp(int& argc, char** argv);

    // Shows the main window after its start-up sequence and runs it; the
    // result is the program's exit code.
    int start();

    // The start-up sequence, then the skin named on the command line
    // ("velaskin [SKIN.ski]"), opened as File > Open would. False when the
    // program is to end without showing the window.
    static bool prepareWindow(MainWindow& window, const QStringList& arguments);
};
