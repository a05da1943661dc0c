#pragma once

#include "app/QtTranslations.h"
#include "app/SkinFiles.h"
#include "app/ViewState.h"
#include "document/LanguageTable.h"
#include "session/SkinSession.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <map>

class QAction;
class QMenu;
class QTabWidget;
class QToolBar;
class RecentSkinsMenu;
class StartPanel;

// The program's only window: menu, toolbar and the two pages in a tab
// control. It owns the edited skin with its default skin and the language
// texts, and hands both to the pages it creates.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Menu and toolbar commands, by their command ids.
    enum Command : int {
        commandAbout = 16,
        commandSaveAs = 32773,
        commandExit = 32774,
        commandLanguage = 32784,
        commandDefaultSkin = 32785,
        commandRefresh = 32787,
        commandFocusRect = 32788,
        commandCheckSkin = 32790,
        commandZoomIn = 32800,
        commandZoomOut = 32801,
        commandActualSize = 32802,
        commandFitZoom = 32803,
        commandPixelGrid = 32804,
        commandNew = 57600,
        commandOpen = 57601,
        commandSave = 57603,
        commandUndo = 57643,
        commandRedo = 57644,
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: settings, language, menu texts, default skin,
    // toolbar. False when the program is to end at once; closeRequested()
    // tells whether a close was asked for on the way.
    bool initialise();
    bool closeRequested() const { return closing; }

    void rebuildPages();
    void destroyPages();
    bool applyMenuTexts();
    bool createToolbar();
    bool selectDefaultSkin();
    bool selectLanguage();

    // The commands.
    void newSkin();
    void openSkin();
    // Open without the file question (also for a skin named on the command
    // line): false, with the message of a failed Open, when it does not load.
    bool openSkinFile(const QString& path);
    // True when the skin was written.
    bool saveSkin();
    bool saveSkinAs();
    // Before the skin being edited goes (Exit, New, Open, another default
    // skin): true when it may go. A skin with unsaved changes asks "Save
    // changes to NAME?": Save (true only when the save succeeds), Discard
    // (true), Cancel (false).
    bool maySaveChanges();
    void chooseDefaultSkin()
    {
        if (maySaveChanges())
            selectDefaultSkin();
    }
    void chooseLanguage() { selectLanguage(); }
    void toggleFocusRect();
    // The focus-rectangle setting as stored: 1 shows them, every other value not.
    int focusRectValue() const { return focusRectSetting; }
    bool focusRectsShown() const { return focusRectSetting == 1; }
    // Lists what the skin check finds in the edited skin, or says that it finds nothing.
    void checkSkin();
    void refresh() { rebuildPages(); }
    void about();
    // Opens a skin from the recent-skins list; one that is gone leaves the list, with a message.
    void openRecentSkin(const QString& path);
    // The View menu: the element page's preview 1x to 8x, and its pixel grid
    // from 4x up. Both are kept in the settings and come back with the
    // next page and the next start.
    void setZoom(int zoom) { view->setZoom(zoom); }
    int zoom() const { return view->zoom(); }
    void togglePixelGrid() { view->togglePixelGrid(); }
    bool pixelGridShown() const { return view->pixelGrid(); }

    QAction* commandAction(Command command) const;
    // The titles of the menu bar's entries, in order.
    QStringList menuTitles() const;
    const SkinModel& skinModel() const { return session.model(); }
    SkinSession& skinSession() { return session; }
    LanguageTable& languageTable() { return language; }
    const QtTranslations& qtTranslations() const { return qtTexts; }
    QTabWidget* tabWidget() const { return tabs; }
    QToolBar* toolBar() const { return toolbar; }
    // The hint, New, Open and recent skins shown while no pages exist.
    StartPanel* startPanel() const { return startHint; }
    // The File menu's entries of the recent skins, newest first.
    const QList<QAction*>& recentSkinActions() const;
    int pageCount() const { return pages; }
    ElementPage* elementPage() const { return elementPageWidget; }
    ImagesPage* imagesPage() const { return imagesPageWidget; }
    const QString& languageFolderPath() const { return languageFolder; }
    const QString& defaultSkinsFolderPath() const { return defaultSkinsFolder; }

    static QString initialTitle() { return QStringLiteral("Vela Skin"); }
    // The edited skin's name until it is saved under a file's name (the title shows the language's).
    static QString newSkinName() { return SkinFiles::newSkinName(); }

protected:
    // Shows the About box modally.
    virtual void runAboutBox();
    // The window closes only when the skin may go; its place and the page's
    // columns are kept for the next start.
    void closeEvent(QCloseEvent* event) override;
    // A skin file (".ski") dropped on the window opens, once the skin being
    // edited may go.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenu();
    void buildEditMenu();
    void buildViewMenu();
    // The Undo and Redo commands name the edit they undo or redo.
    void showUndoTexts();
    // The window's title: the skin's name with the modified marker.
    void showSkinTitle(const QString& name);
    QAction* addCommand(QMenu* menu, Command command, const QString& templateText);
    void requestClose();
    QString text(int number) const;
    QString defaultSkinPath(const QString& name) const;
    bool loadLanguage(const QString& fileName);
    void applyLanguageChange();
    // A message about language files, also when none is loaded.
    QString languageText(int number, const QString& english) const;
    // Save, Save As and Check skin need a skin; the start panel shows while no pages exist.
    void showSkinState();
    void applyShellTexts();
    void rememberRecentSkin(const QString& path);
    void showRecentSkins();

    QString defaultSkinsFolder;
    QString languageFolder;
    LanguageTable language;
    QtTranslations qtTexts;
    SkinSession session {language};
    SkinFiles files {session, language};
    QPointer<ElementPage> elementPageWidget;
    QPointer<ImagesPage> imagesPageWidget;
    QTabWidget* tabs;
    int pages = 0;
    QToolBar* toolbar = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* optionsMenu = nullptr;
    RecentSkinsMenu* recentMenu = nullptr;
    StartPanel* startHint = nullptr;
    QMenu* viewMenu = nullptr;
    std::map<Command, QAction*> actions;
    bool closing = false;
    int focusRectSetting = 0;
    ViewState* view = nullptr;
};
