#pragma once

#include <QPointer>
#include <QWidget>

class LanguageTable;
class SkinModel;

// The second page of the main window: every picture the default skin
// defines, with the means to replace, restore, export and import them. The
// main window is the owner of the questions the page asks.
class ImagesPage : public QWidget {
    Q_OBJECT

public:
    ImagesPage(SkinModel& model, LanguageTable& texts, QWidget* mainWindow, QWidget* parent = nullptr);

    SkinModel& skinModel() const { return model; }
    LanguageTable& languageTexts() const { return texts; }
    QWidget* mainWindow() const { return owner; }

private:
    SkinModel& model;
    LanguageTable& texts;
    QPointer<QWidget> owner;
};
