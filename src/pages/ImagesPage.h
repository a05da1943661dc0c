#pragma once

#include "document/SkinTypes.h"
#include "pictures/ThumbnailCache.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class AnimatedPicture;
class BackdropChoice;
class FileDropFilter;
class LanguageTable;
class QFrame;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SkinModel;
class SkinSession;
struct SkinChange;

// The second page of the main window: every picture the default skin
// defines, named after the element that shows it, with its thumbnail and
// the size a picture of its own must have, and the means to replace,
// restore, export and import them (by its buttons, or by dropping files on
// the list or the preview). The main window is the owner of the questions
// the page asks, and shows what it tells in its status bar.
class ImagesPage : public QWidget {
    Q_OBJECT

public:
    // The colour button tells its choice with this id.
    static constexpr int backgroundButtonId = 1255;
    // The list's columns.
    enum Column { nameColumn = 0, datColumn = 1, sizeColumn = 2 };

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
    // True while transparent pixels show a checkerboard (else the background colour).
    bool showsCheckerboard() const;

    // The name of a picture no element shows: the language's prefix ("Image_") and the id, four digits at least.
    QString rowName(ElementId id) const;
    // A row's name: the id and where the picture shows ("630 Left key, state 0"), else rowName.
    QString pictureName(ElementId id) const;

    // The buttons' commands.
    void replacePicture();
    void giveBackPictures();
    void exportPictures();
    void importFolder();

signals:
    // A short report for the window's status bar ("97 pictures exported to ...").
    void statusMessage(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QString text(int number) const;
    void rebuildList();
    // After every edit, undo and redo: the rows of the pictures that changed, and the picture shown.
    void skinChanged(const SkinChange& change);
    // The row's "Dat", thumbnail and expected size, and the row in bold
    // while the edited skin holds the picture itself.
    void showRow(int row);
    void showThumbnails();
    void fitFigureColumns();
    void applyFilter();
    std::vector<int> selectedRows() const;
    void selectRow(int row);
    void selectionChanged();
    void showPicture(int index);
    void showSizes(int width, int height, int bytes);
    void fillPreviewFrame();
    void centrePicture();
    void backdropChanged();
    // The picture file at path (converted to GIF) as the picture of the row shown.
    void replaceWithFile(const QString& path);
    void exportOne(ElementId id);
    void filesDropped(QWidget* target, const QStringList& paths, QPoint place);
    void importFiles(const QStringList& paths);

    SkinSession& session;
    const SkinModel& model;
    const LanguageTable& texts;
    QPointer<QWidget> owner;
    ThumbnailCache thumbnails;

    std::vector<ElementId> ids;
    int shownIndex = -1;
    int shownWidth = 0;
    int shownHeight = 0;
    bool reloadPending = false;

    QLineEdit* filter = nullptr;
    QTableWidget* list = nullptr;
    QFrame* previewFrame = nullptr;
    AnimatedPicture* picture = nullptr;
    QLineEdit* widthEdit = nullptr;
    QLineEdit* heightEdit = nullptr;
    QLineEdit* bytesEdit = nullptr;
    BackdropChoice* backdropChoice = nullptr;
    QPushButton* replaceButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* giveBackButton = nullptr;
    QPushButton* exportButton = nullptr;
    FileDropFilter* drops = nullptr;
};
