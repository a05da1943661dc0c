#pragma once

#include <QDialog>

class LanguageTable;

// The About box: program name and version, the program icon, who made it,
// in the language of the texts.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(const LanguageTable& texts, QWidget* parent = nullptr);

    // "VelaSkin Version " and the project's version.
    static QString versionLine();
};
