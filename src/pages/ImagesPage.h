#pragma once

#include "document/SkinTypes.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class AnimatedPicture;
class ColourButton;
class LanguageTable;
class QFrame;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SkinModel;
class SkinSession;
struct SkinChange;

// The second page of the main window: every picture the default skin
// defines, with the means to replace, restore, export and import them. The
// main window is the owner of the questions the page asks.
class ImagesPage : public QWidget {
    Q_OBJECT

public:
    // The colour button tells its choice with this id.
    static constexpr int backgroundButtonId = 1255;

    ImagesPage(SkinSession& session, const LanguageTable& texts, QWidget* mainWindow, QWidget* parent = nullptr);
    ~ImagesPage() override;

    const SkinModel& skinModel() const { return model; }
    const LanguageTable& languageTexts() const { return texts; }
    QWidget* mainWindow() const { return owner; }

    // The ids of the default skin's picture records, in line order, as of the
    // last time the page was shown.
    const std::vector<ElementId>& pictureIds() const { return ids; }
    // The row whose picture the preview shows; -1 before the first single selection.
    int selectedIndex() const { return shownIndex; }
    AnimatedPicture& preview() const { return *picture; }

    // A row's name: the language's prefix ("Image_") and the id, padded with zeros to four digits.
    QString rowName(ElementId id) const;

    // The buttons' commands.
    void replacePicture();
    void giveBackPictures();
    void exportPictures();
    void importFolder();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    QString text(int number) const;
    void rebuildList();
    // After every edit, undo and redo: the rows of the pictures that changed, and the picture shown.
    void skinChanged(const SkinChange& change);
    // The row's "Dat", and the row in bold while the edited skin holds the picture itself.
    void showDat(int row);
    std::vector<int> selectedRows() const;
    void selectionChanged();
    void showPicture(int index);
    void showSizes(int width, int height, int bytes);
    void fillPreviewFrame(std::uint32_t colour);

    SkinSession& session;
    const SkinModel& model;
    const LanguageTable& texts;
    QPointer<QWidget> owner;

    std::vector<ElementId> ids;
    int shownIndex = -1;
    int shownWidth = 0;
    int shownHeight = 0;
    bool reloadPending = false;

    QTableWidget* list = nullptr;
    QFrame* previewFrame = nullptr;
    AnimatedPicture* picture = nullptr;
    QLineEdit* widthEdit = nullptr;
    QLineEdit* heightEdit = nullptr;
    QLineEdit* bytesEdit = nullptr;
    ColourButton* background = nullptr;
    QPushButton* replaceButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* giveBackButton = nullptr;
    QPushButton* exportButton = nullptr;
};
