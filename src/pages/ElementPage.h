#pragma once

#include <QWidget>

class LanguageTable;
class SkinModel;

// The first page of the main window: the idle screen's elements, their
// preview and their properties. It reads and changes the skin only through
// the model and takes its texts from the language table; both outlive it.
class ElementPage : public QWidget {
    Q_OBJECT

public:
    ElementPage(SkinModel& model, LanguageTable& texts, QWidget* parent = nullptr);

    SkinModel& skinModel() const { return model; }
    LanguageTable& languageTexts() const { return texts; }

private:
    SkinModel& model;
    LanguageTable& texts;
};
