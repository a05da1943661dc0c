#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/DataFolders.h"
#include "app/LanguageFallback.h"
#include "app/LoadFailureTexts.h"
#include "app/ProgramIcon.h"
#include "app/RecentSkinsMenu.h"
#include "app/SkinFiles.h"
#include "app/StartPanel.h"
#include "app/StartupLog.h"
#include "app/ViewState.h"
#include "document/LanguageTexts.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "resources/VelaSkinResources.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/CommandTexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QGridLayout>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>

#include <memory>
#include <new>
#include <tuple>

namespace {

// The window's client area is first 483 x 246 dialog units (1.5 px across,
// 1.625 px down), with the tab control at 7, 7 sized 469 x 232; menu bar and
// toolbar come on top of that. The tab control keeps its margins as the
// window grows.
constexpr QSize clientSize(725, 400);
constexpr QMargins tabMargins(10, 11, 11, 12);
constexpr QSize toolbarImageSize(18, 21);
// How long a page's report stays in the status bar.
constexpr int statusTimeout = 15000;

void showMessage(const QString& text, DialogService::Icon icon)
{
    DialogService::current().showMessage(text, DialogService::programCaption(), icon);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), tabs(nullptr)
{
    setWindowTitle(initialTitle());
    setWindowIcon(programIcon());
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar cannot be hidden

    auto* client = new QWidget(this);
    auto* clientLayout = new QGridLayout(client);
    clientLayout->setContentsMargins(tabMargins);
    tabs = new QTabWidget(client);
    tabs->setObjectName(QStringLiteral("tabs"));
    clientLayout->addWidget(tabs, 0, 0);
    // Over the empty tab control, in its place, until the first pages exist.
    startHint = new StartPanel(client);
    clientLayout->addWidget(startHint, 0, 0);
    connect(startHint, &StartPanel::createRequested, this, [this] { commandAction(commandNew)->trigger(); });
    connect(startHint, &StartPanel::openRequested, this, [this] { commandAction(commandOpen)->trigger(); });
    connect(startHint, &StartPanel::recentChosen, this, &MainWindow::openRecentSkin);
    setCentralWidget(client);

    buildMenu();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);
    setAcceptDrops(true);
    showSkinState();
}

MainWindow::~MainWindow()
{
    // The pages refer to the model and the texts: they go first.
    destroyPages();
    // The session clears its undo stack as it goes, after the commands' table
    // is gone: nothing it announces may reach the window any more.
    session.undoStack().disconnect(this);
    session.disconnect(this);
}

QAction* MainWindow::addCommand(QMenu* menu, Command command, const QString& templateText)
{
    QAction* action = menu ? menu->addAction(templateText) : menuBar()->addAction(templateText);
    action->setData(int(command));
    actions[command] = action;
    return action;
}

void MainWindow::buildMenu()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    connect(addCommand(fileMenu, commandNew, QStringLiteral("New")), &QAction::triggered, this, &MainWindow::newSkin);
    connect(addCommand(fileMenu, commandOpen, QStringLiteral("Open")), &QAction::triggered, this, &MainWindow::openSkin);
    connect(addCommand(fileMenu, commandSave, QStringLiteral("Save")), &QAction::triggered, this, &MainWindow::saveSkin);
    connect(addCommand(fileMenu, commandSaveAs, QStringLiteral("Save As")), &QAction::triggered, this,
            &MainWindow::saveSkinAs);
    fileMenu->addSeparator();
    connect(addCommand(fileMenu, commandCheckSkin, QStringLiteral("Check skin")), &QAction::triggered, this,
            &MainWindow::checkSkin);
    // The recent skins go before Exit's separator.
    recentMenu = new RecentSkinsMenu(*fileMenu, fileMenu->addSeparator());
    connect(recentMenu, &RecentSkinsMenu::chosen, this, &MainWindow::openRecentSkin);
    connect(addCommand(fileMenu, commandExit, QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);

    buildEditMenu();
    buildViewMenu();

    optionsMenu = menuBar()->addMenu(QStringLiteral("Options"));
    connect(addCommand(optionsMenu, commandLanguage, QStringLiteral("Language")), &QAction::triggered, this,
            &MainWindow::chooseLanguage);
    connect(addCommand(optionsMenu, commandDefaultSkin, QStringLiteral("Default skin")), &QAction::triggered, this,
            &MainWindow::chooseDefaultSkin);
    QAction* focusRect = addCommand(optionsMenu, commandFocusRect, QStringLiteral("Focus Rect"));
    focusRect->setCheckable(true);
    connect(focusRect, &QAction::triggered, this, &MainWindow::toggleFocusRect);

    connect(addCommand(nullptr, commandRefresh, QStringLiteral("Refresh")), &QAction::triggered, this,
            &MainWindow::refresh);
    connect(addCommand(nullptr, commandAbout, QStringLiteral("About")), &QAction::triggered, this, &MainWindow::about);

    // The platform's standard keys; where it has none (Save As outside GNOME
    // and macOS), the keys most editors use.
    const std::tuple<Command, QKeySequence::StandardKey, QKeyCombination> shortcuts[] = {
        {commandNew, QKeySequence::New, Qt::CTRL | Qt::Key_N},
        {commandOpen, QKeySequence::Open, Qt::CTRL | Qt::Key_O},
        {commandSave, QKeySequence::Save, Qt::CTRL | Qt::Key_S},
        {commandSaveAs, QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    };
    for (const auto& [command, key, common] : shortcuts) {
        QAction* action = actions.at(command);
        action->setShortcuts(key);
        if (action->shortcuts().isEmpty())
            action->setShortcut(QKeySequence(common));
    }
}

void MainWindow::buildEditMenu()
{
    editMenu = menuBar()->addMenu(QStringLiteral("Edit"));
    QUndoStack& stack = session.undoStack();
    QAction* undo = addCommand(editMenu, commandUndo, QStringLiteral("Undo"));
    QAction* redo = addCommand(editMenu, commandRedo, QStringLiteral("Redo"));
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts(QKeySequence::Redo);
    // Both redo keys most editors know, whatever the platform's standard.
    for (const QKeySequence& also : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redo->shortcuts().contains(also))
            redo->setShortcuts(redo->shortcuts() << also);
    connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this, &MainWindow::showUndoTexts);
    connect(&stack, &QUndoStack::redoTextChanged, this, &MainWindow::showUndoTexts);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&session, &SkinSession::modifiedChanged, this, [this](bool modified) {
        // Only a skin's title carries the marker.
        if (windowTitle().contains(QStringLiteral("[*]")))
            setWindowModified(modified);
    });
}

void MainWindow::buildViewMenu()
{
    viewMenu = menuBar()->addMenu(QStringLiteral("View"));
    ViewState::Actions commands{};
    commands.zoomIn = addCommand(viewMenu, commandZoomIn, QStringLiteral("Zoom in"));
    commands.zoomOut = addCommand(viewMenu, commandZoomOut, QStringLiteral("Zoom out"));
    commands.actualSize = addCommand(viewMenu, commandActualSize, QStringLiteral("Actual size"));
    commands.fit = addCommand(viewMenu, commandFitZoom, QStringLiteral("Fit"));
    viewMenu->addSeparator();
    commands.pixelGrid = addCommand(viewMenu, commandPixelGrid, QStringLiteral("Pixel grid"));
    view = new ViewState(commands, this);
}

void MainWindow::showUndoTexts()
{
    QUndoStack& stack = session.undoStack();
    actions.at(commandUndo)->setText(commandtexts::withArgument(langtext::edit::undo, stack.undoText(), language).trimmed());
    actions.at(commandRedo)->setText(commandtexts::withArgument(langtext::edit::redo, stack.redoText(), language).trimmed());
}

void MainWindow::showSkinTitle(const QString& name)
{
    setWindowTitle(name + QStringLiteral("[*]"));
    setWindowModified(session.isModified());
}

QAction* MainWindow::commandAction(Command command) const
{
    const auto found = actions.find(command);
    return found == actions.end() ? nullptr : found->second;
}

QStringList MainWindow::menuTitles() const
{
    QStringList titles;
    for (const QAction* entry : menuBar()->actions())
        titles << entry->text();
    return titles;
}

QString MainWindow::text(int number) const
{
    return QString::fromStdString(language.text(number));
}

QString MainWindow::defaultSkinPath(const QString& name) const
{
    return defaultSkinsFolder + name + QLatin1Char('/') + name + QStringLiteral(".ski");
}

void MainWindow::requestClose()
{
    // Takes effect once the window's event loop runs.
    closing = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool MainWindow::initialise()
{
    destroyPages();

    // The settings name the files; the folders come from the working folder or the installation.
    const QString languageName = AppSettings::languageFile();
    const QString skinName = AppSettings::defaultSkinName();
    languageFolder = DataFolders::locate(QStringLiteral("Lng"), languageName);
    defaultSkinsFolder =
        DataFolders::locate(QStringLiteral("Default"), skinName + QLatin1Char('/') + skinName + QStringLiteral(".ski"));
    focusRectSetting = AppSettings::focusRect();
    view->readSettings();

    const bool languageLoaded = loadLanguage(languageName);
    qCInfo(startupLog).noquote() << "language file" << languageFolder + languageName
                                 << (languageLoaded ? "loaded" : "cannot be loaded");
    if (!languageLoaded) {
        const DialogService::Answer answer = DialogService::current().showMessage(
            languageText(langtext::shell::noStartLanguage,
                         QStringLiteral("Can't find default language \n do you want to select language?")),
            DialogService::programCaption(), DialogService::Icon::Exclamation, DialogService::Buttons::OkCancel);
        if (answer != DialogService::Answer::Ok || !selectLanguage()) {
            requestClose();
            return false;
        }
    }
    applyMenuTexts();

    std::string failedFile;
    const LoadResult skinLoad = session.loadDefaultSkin(localPath(defaultSkinPath(skinName)), &failedFile);
    const bool skinLoaded = skinLoad == LoadResult::Loaded;
    qCInfo(startupLog).noquote() << "default skin" << defaultSkinPath(skinName)
                                 << (skinLoaded ? "loaded" : "cannot be loaded");
    if (!skinLoaded) {
        showMessage(files.loadFailureMessage(langtext::shell::cannotLoadDefaultSkin, skinLoad, failedFile),
                    DialogService::Icon::Error);
        if (!selectDefaultSkin())
            requestClose();
    }

    createToolbar();
    showSkinState();
    // The first time: the client area between menu bar and toolbar above and the status bar below.
    const int around = menuBar()->sizeHint().height() + toolbar->sizeHint().height() + statusBar()->sizeHint().height();
    view->placeWindow(*this, QSize(clientSize.width(), clientSize.height() + around));
    return true;
}

bool MainWindow::loadLanguage(const QString& fileName)
{
    const bool loaded = language.load(localPath(languageFolder + fileName));
    // Qt's dialogs follow: an empty table (nothing loaded) means English.
    const QString locale = text(langtext::qtLocale).trimmed();
    const bool named = locale != QLatin1String(LanguageTable::missingText) && QtTranslations::isLanguageName(locale);
    qtTexts.use(named ? locale : QString());
    // So do the dates the file dialogs show. With no language loaded the
    // user's language stays what it was: the messages that say so use it.
    if (loaded)
        QLocale::setDefault(named ? QLocale(locale) : QLocale::system());
    return loaded;
}

bool MainWindow::applyMenuTexts()
{
    fileMenu->setTitle(text(langtext::menu::file));
    editMenu->setTitle(text(langtext::edit::menu));
    viewMenu->setTitle(text(langtext::view::menu));
    optionsMenu->setTitle(text(langtext::menu::options));
    const std::pair<Command, int> texts[] = {
        {commandNew, langtext::menu::newSkin},
        {commandOpen, langtext::menu::open},
        {commandSave, langtext::menu::save},
        {commandSaveAs, langtext::menu::saveAs},
        {commandExit, langtext::menu::exit},
        {commandLanguage, langtext::menu::language},
        {commandDefaultSkin, langtext::menu::defaultSkin},
        {commandFocusRect, langtext::menu::focusRect},
        {commandRefresh, langtext::menu::refresh},
        {commandAbout, langtext::menu::about},
        {commandCheckSkin, langtext::menu::checkSkin},
        {commandZoomIn, langtext::view::zoomIn},
        {commandZoomOut, langtext::view::zoomOut},
        {commandActualSize, langtext::view::actualSize},
        {commandFitZoom, langtext::view::fit},
        {commandPixelGrid, langtext::view::pixelGrid},
    };
    for (const auto& [command, number] : texts)
        actions.at(command)->setText(text(number));
    actions.at(commandFocusRect)->setChecked(focusRectsShown());
    showUndoTexts();
    applyShellTexts();
    return true;
}

void MainWindow::applyShellTexts()
{
    startHint->setTexts(text(langtext::shell::nothingOpen), text(langtext::shell::createSkin),
                        text(langtext::shell::openSkin), text(langtext::shell::recentSkins));
    if (fromLocalPath(session.model().edited().path()) == newSkinName() && windowTitle() != initialTitle())
        showSkinTitle(text(langtext::shell::newSkinTitle));
    showRecentSkins();
}

bool MainWindow::createToolbar()
{
    if (toolbar)
        return true;
    initVelaSkinResources();
    toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(toolbarImageSize);
    const std::pair<Command, const char*> buttons[] = {
        {commandNew, ":/toolbar/new.gif"},
        {commandOpen, ":/toolbar/open.gif"},
        {commandSave, ":/toolbar/save.gif"},
        {commandUndo, ":/toolbar/undo.gif"},
        {commandRedo, ":/toolbar/redo.gif"},
        {commandAbout, ":/toolbar/about.gif"},
    };
    for (const auto& [command, image] : buttons) {
        // A button of its own: a menu bar command with an icon would show the icon instead of its text.
        QAction* menuCommand = actions.at(command);
        QAction* button = toolbar->addAction(QIcon(QString::fromLatin1(image)), menuCommand->text());
        button->setData(int(command));
        connect(button, &QAction::triggered, menuCommand, &QAction::trigger);
        button->setEnabled(menuCommand->isEnabled());
        connect(menuCommand, &QAction::changed, button, [button, menuCommand] {
            button->setText(menuCommand->text());
            button->setEnabled(menuCommand->isEnabled());
        });
    }
    addToolBar(Qt::TopToolBarArea, toolbar);
    return true;
}

void MainWindow::destroyPages()
{
    if (pages == 0)
        return;
    for (int index = tabs->count() - 1; index >= 0; --index) {
        const std::unique_ptr<QWidget> page(tabs->widget(index));
        tabs->removeTab(index);
    }
    tabs->clear();
    pages = 0;
    showSkinState();
}

void MainWindow::rebuildPages()
{
    if (pages != 0) {
        if (elementPageWidget)
            view->detach(*elementPageWidget);
        destroyPages();
    }

    // The tab control owns its pages.
    auto element = std::make_unique<ElementPage>(session, language);
    element->setFocusRects(focusRectsShown());
    view->attach(*element);
    auto images = std::make_unique<ImagesPage>(session, language, this);
    elementPageWidget = element.get();
    imagesPageWidget = images.get();
    connect(images.get(), &ImagesPage::statusMessage, this,
            [this](const QString& message) { statusBar()->showMessage(message, statusTimeout); });
    tabs->addTab(element.release(), text(langtext::shell::elementsTab));
    tabs->addTab(images.release(), text(langtext::shell::imagesTab));
    tabs->setCurrentIndex(0);
    pages = 2;
    showSkinState();
}

void MainWindow::showSkinState()
{
    const bool skinLoaded = session.model().edited().hasLineTable();
    for (const Command command : {commandSave, commandSaveAs, commandCheckSkin})
        actions.at(command)->setEnabled(skinLoaded);
    startHint->setVisible(pages == 0);
    if (pages == 0)
        startHint->raise();
}

void MainWindow::newSkin()
{
    if (!maySaveChanges())
        return;
    session.newSkin(localPath(SkinFiles::newSkinName()));
    showSkinTitle(text(langtext::shell::newSkinTitle));
    rebuildPages();
}

bool MainWindow::maySaveChanges()
{
    return files.maySaveChanges([this] { return saveSkin(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A close asked for at start-up has nothing to lose.
    if (!closing && !maySaveChanges()) {
        event->ignore();
        return;
    }
    if (!closing)
        view->keep(*this);
    event->accept();
}

namespace {

// The skin file a drag carries: exactly one local file named "*.ski".
QString droppedSkin(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QLatin1String(".ski"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedSkin(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedSkin(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Not within the drop: the question and the new pages come after it.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (maySaveChanges())
                openSkinFile(path);
        },
        Qt::QueuedConnection);
}

void MainWindow::openSkin()
{
    if (!maySaveChanges())
        return;
    if (const QString path = files.askOpenPath(); !path.isEmpty())
        openSkinFile(path);
}

bool MainWindow::openSkinFile(const QString& path)
{
    // A file that does not load leaves the skin, its pages and the title as they were.
    if (!files.load(path, langtext::shell::cannotOpenSkin))
        return false;
    showSkinTitle(path);
    rememberRecentSkin(path);
    rebuildPages();
    // Opened, but some pictures show the default skin's: the user should know why.
    if (const QString notice = picturesBeyondDataText(language, session.model().edited()); !notice.isEmpty())
        showMessage(notice, DialogService::Icon::Exclamation);
    return true;
}

void MainWindow::openRecentSkin(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        AppSettings::forgetRecentSkin(path);
        showRecentSkins();
        showMessage(text(langtext::shell::recentSkinGone).arg(path), DialogService::Icon::Exclamation);
        return;
    }
    // As Open: unsaved changes are not dropped without a question.
    if (maySaveChanges())
        openSkinFile(path);
}

void MainWindow::rememberRecentSkin(const QString& path)
{
    AppSettings::rememberRecentSkin(QFileInfo(path).absoluteFilePath());
    showRecentSkins();
}

const QList<QAction*>& MainWindow::recentSkinActions() const
{
    return recentMenu->entries();
}

void MainWindow::showRecentSkins()
{
    const QStringList paths = AppSettings::recentSkins();
    recentMenu->show(paths);
    startHint->setRecentSkins(paths);
}

bool MainWindow::saveSkin()
{
    return files.needsName() ? saveSkinAs() : files.write(files.currentPath());
}

bool MainWindow::saveSkinAs()
{
    const QString path = files.askSavePath();
    // The title names the file that was written, and only once it was.
    if (path.isEmpty() || !files.write(path))
        return false;
    showSkinTitle(files.currentPath());
    rememberRecentSkin(files.currentPath());
    return true;
}

void MainWindow::toggleFocusRect()
{
    if (focusRectSetting == 1)
        focusRectSetting = 0;
    else if (focusRectSetting == 0)
        focusRectSetting = 1;
    // Triggering a checkable action flips its mark: put back the one that matches the setting.
    actions.at(commandFocusRect)->setChecked(focusRectsShown());
    AppSettings::setFocusRect(focusRectSetting);
    if (elementPageWidget)
        elementPageWidget->setFocusRects(focusRectsShown());
}

void MainWindow::checkSkin()
{
    files.check();
}

void MainWindow::about()
{
    runAboutBox();
    refresh();
}

void MainWindow::runAboutBox()
{
    AboutDialog box(language, this);
    box.exec();
}

void MainWindow::applyLanguageChange()
{
    // The skin, its undo history and its modified state stay; the edits' texts follow.
    session.retranslate();
    applyMenuTexts();
    menuBar()->update();
    if (pages != 0)
        rebuildPages();
}

bool MainWindow::selectLanguage()
{
    const QString title = languageText(langtext::shell::selectLanguage, QStringLiteral("Select Language"));
    const QString previous = AppSettings::languageFile();

    const QString chosen =
        DialogService::current().selectFromFolder(title, languageFolder, DialogService::ListMode::Files, previous);
    if (chosen.isEmpty())
        return false;

    if (loadLanguage(chosen)) {
        AppSettings::setLanguageFile(chosen);
        applyLanguageChange();
        return true;
    }
    if (loadLanguage(previous)) {
        // In the language now in use; one pass, so that a name holding "%2" stays as it is.
        showMessage(languageText(langtext::shell::languageReplaced, QStringLiteral("Can't load language %1\n loading %2"))
                        .arg(chosen, previous),
                    DialogService::Icon::Exclamation);
        applyLanguageChange();
        return true;
    }
    showMessage(languageText(langtext::shell::noLanguage, QStringLiteral("Can't load language")),
                DialogService::Icon::Error);
    return false;
}

QString MainWindow::languageText(int number, const QString& english) const
{
    return languageMessage(language, number, languageFolder, english);
}

bool MainWindow::selectDefaultSkin()
{
    const QString previous = AppSettings::defaultSkinName();
    const QString chosen = DialogService::current().selectFromFolder(
        text(langtext::shell::selectDefaultSkin), defaultSkinsFolder, DialogService::ListMode::Folders, previous);
    if (chosen.isEmpty())
        return false;

    std::string failedFile;
    if (const LoadResult result = session.loadDefaultSkin(localPath(defaultSkinPath(chosen)), &failedFile);
        result == LoadResult::Loaded) {
        AppSettings::setDefaultSkinName(chosen);
    } else {
        showMessage(text(langtext::shell::cannotLoadDefaultSkin) + QLatin1Char(' ') + chosen
                        + QStringLiteral("\n loading ") + previous + QLatin1Char('\n')
                        + loadFailureText(language, result, fromLocalPath(failedFile)),
                    DialogService::Icon::Exclamation);
        if (session.loadDefaultSkin(localPath(defaultSkinPath(previous))) != LoadResult::Loaded) {
            showMessage(text(langtext::shell::cannotLoadDefaultSkin), DialogService::Icon::Error);
            requestClose();
        }
    }
    if (pages != 0)
        rebuildPages();
    return true;
}
