#pragma once

#include <QApplication>

// The application: runs the main window until it is closed, then the program ends.
class SkinApp : public QApplication {
    Q_OBJECT

public:
    SkinApp(int& argc, char** argv);

    // Shows the main window after its start-up sequence and runs it; the
    // result is the program's exit code.
    int start();
};
