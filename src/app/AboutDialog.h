#pragma once

#include <QDialog>

// The About box: program name and version, the program icon, who made it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // "VelaSkin Version " and the project's version.
    static QString versionLine();
};
