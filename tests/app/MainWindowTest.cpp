#include "ScriptedDialogs.h"
#include "ModelAccess.h"
#include "TestWorkspace.h"
#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/ListSelectDialog.h"
#include "app/MainWindow.h"
#include "app/ProgramVersion.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

// Records the About box instead of running it modally.
class RecordingWindow : public MainWindow {
public:
    int aboutBoxes = 0;

protected:
    void runAboutBox() override { ++aboutBoxes; }
};

void trigger(MainWindow& window, MainWindow::Command command)
{
    window.commandAction(command)->trigger();
}

QString menuTitle(MainWindow& window, int position)
{
    return window.menuBar()->actions().value(position)->text();
}

// A standard button's text as Qt's dialogs show it, without its mnemonic mark.
QString standardCancelText()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

} // namespace

class MainWindowTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    // A working folder with the shipped languages and the default skin "Vela".
    void prepareWorkspace(bool languages = true, bool defaultSkin = true)
    {
        if (languages)
            workspace->addShippedLanguages();
        if (defaultSkin)
            workspace->addDefaultSkin();
    }

    std::unique_ptr<RecordingWindow> startedWindow()
    {
        auto window = std::make_unique<RecordingWindow>();
        if (!window->initialise())
            return nullptr;
        return window;
    }

private slots:
    void init()
    {
        startSession();
    }
    void cleanup()
    {
        endSession();
    }

    // --- start-up -------------------------------------------------------

    void startsWithEnglishMenuToolbarAndNoPages()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        QVERIFY(dialogs->messages.empty());
        QVERIFY(!window->closeRequested());
        QCOMPARE(titleOf(*window), QStringLiteral("Vela Skin"));
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&File"));
        QCOMPARE(menuTitle(*window, 1), QStringLiteral("&Edit"));
        QCOMPARE(menuTitle(*window, 2), QStringLiteral("&View"));
        QCOMPARE(menuTitle(*window, 3), QStringLiteral("&Options"));
        QCOMPARE(menuTitle(*window, 4), QStringLiteral("&Refresh"));
        QCOMPARE(menuTitle(*window, 5), QStringLiteral("&About"));
        QCOMPARE(window->commandAction(MainWindow::commandSaveAs)->text(), QStringLiteral("Save &As"));
        QCOMPARE(window->commandAction(MainWindow::commandDefaultSkin)->text(), QStringLiteral("&Default skin"));
        QCOMPARE(window->pageCount(), 0);
        QCOMPARE(window->tabWidget()->count(), 0);
        QCOMPARE(window->languageFolderPath(), workspace->path(QStringLiteral("Lng/")));
        QCOMPARE(window->defaultSkinsFolderPath(), workspace->path(QStringLiteral("Default/")));
        QCOMPARE(defaultSkin(window->skinModel()).lineCount(), 1182);

        QToolBar* toolbar = window->toolBar();
        QVERIFY(toolbar);
        const QList<QAction*> buttons = toolbar->actions();
        const MainWindow::Command commands[] = {MainWindow::commandNew,  MainWindow::commandOpen,
                                                MainWindow::commandSave, MainWindow::commandUndo,
                                                MainWindow::commandRedo, MainWindow::commandAbout};
        QCOMPARE(buttons.size(), int(std::size(commands)));
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->data().toInt(), int(commands[i]));
            QCOMPARE(buttons[i]->text(), window->commandAction(commands[i])->text());
            QCOMPARE(buttons[i]->isEnabled(), window->commandAction(commands[i])->isEnabled());
        }
        for (QAction* button : buttons)
            QVERIFY(!button->icon().isNull());
    }

    void noLanguageFolderAndCancelEndsWithoutAnotherMessage()
    {
        prepareWorkspace(false, false);
        auto window = std::make_unique<MainWindow>();
        QVERIFY(!window->initialise());
        QVERIFY(window->closeRequested());
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        const auto& question = dialogs->messages.front();
        QCOMPARE(question.text, QStringLiteral("Can't find default language \n do you want to select language?"));
        QCOMPARE(question.icon, DialogService::Icon::Exclamation);
        QCOMPARE(question.buttons, DialogService::Buttons::OkCancel);
        QVERIFY(dialogs->questions.empty());
    }

    void missingLanguageOffersTheSelectionUnderItsEnglishTitle()
    {
        prepareWorkspace();
        workspace->writeSettings("[Language]\ndeflanguage=Gone.lng\n");
        dialogs->messageAnswers.push_back(DialogService::Answer::Ok);
        dialogs->listAnswers.push_back(QStringLiteral("Deutsch.lng"));
        auto window = startedWindow();
        QVERIFY(window);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("Select Language"));
        QCOMPARE(dialogs->questions[0].details,
                 QStringList({workspace->path(QStringLiteral("Lng/")), QStringLiteral("files")}));
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&Datei"));
        QCOMPARE(window->toolBar()->actions().value(1)->text(), QStringLiteral("Ö&ffnen"));
        QCOMPARE(AppSettings::languageFile(), QStringLiteral("Deutsch.lng"));
    }

    void cancelledLanguageSelectionAtStartEndsTheProgram()
    {
        prepareWorkspace(false, true);
        dialogs->messageAnswers.push_back(DialogService::Answer::Ok);
        auto window = std::make_unique<MainWindow>();
        QVERIFY(!window->initialise());
        QVERIFY(window->closeRequested());
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QVERIFY(workspace->settingsText().isEmpty());
    }

    void missingDefaultSkinShowsText12ThenTheSelection()
    {
        prepareWorkspace(true, false);
        auto window = startedWindow();
        QVERIFY(window); // start-up goes on, but the cancelled selection asked to close
        QVERIFY(window->closeRequested());
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Can't load the default skin.\nThe file ")
                              + workspace->path(QStringLiteral("Default/Vela/Vela.ski"))
                              + QStringLiteral(" does not exist.")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].kind, QStringLiteral("list"));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("Select Default Skin"));
        QCOMPARE(dialogs->questions[0].details,
                 QStringList({workspace->path(QStringLiteral("Default/")), QStringLiteral("folders")}));
        QVERIFY(window->toolBar());
    }

    void missingDefaultSkinCanBeReplacedByAnother()
    {
        prepareWorkspace(true, false);
        workspace->addDefaultSkin(QStringLiteral("Other"), 42);
        dialogs->listAnswers.push_back(QStringLiteral("Other"));
        auto window = startedWindow();
        QVERIFY(window);
        QVERIFY(!window->closeRequested());
        QCOMPARE(window->skinModel().getNumber(1), 42);
        QCOMPARE(AppSettings::defaultSkinName(), QStringLiteral("Other"));
    }

    void focusRectOfFiveStaysOffAndUnchecked()
    {
        prepareWorkspace();
        workspace->writeSettings("[FocusRect]\nFocusRect=5\n");
        auto window = startedWindow();
        QVERIFY(window);
        QCOMPARE(window->focusRectValue(), 5);
        QVERIFY(!window->focusRectsShown());
        QAction* focusRect = window->commandAction(MainWindow::commandFocusRect);
        QVERIFY(!focusRect->isChecked());

        // The command leaves such a value alone but still writes it back.
        workspace->writeSettings("");
        trigger(*window, MainWindow::commandFocusRect);
        QCOMPARE(window->focusRectValue(), 5);
        QVERIFY(!focusRect->isChecked());
        QCOMPARE(AppSettings::focusRect(), 5);
    }

    void settingsOfTheWrongTypeOrUnreadableGiveDefaults()
    {
        workspace->writeSettings("[Language]\ndeflanguage=Deutsch.lng, English.lng\n"
                                 "[FocusRect]\nFocusRect=yes\n[DefSkin]\ndefskin=@ByteArray(Other)\n");
        QCOMPARE(AppSettings::languageFile(), QStringLiteral("English.lng"));
        QCOMPARE(AppSettings::focusRect(), 0);
        QCOMPARE(AppSettings::defaultSkinName(), QStringLiteral("Vela"));

        // A settings "file" that cannot be read at all.
        QFile::remove(AppSettings::filePath());
        QVERIFY(QDir().mkpath(AppSettings::filePath()));
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(window->focusRectValue(), 0);
        trigger(*window, MainWindow::commandFocusRect); // the failed write is not an error
        QVERIFY(dialogs->messages.empty());
    }

    // --- commands -------------------------------------------------------

    void newSetsTheTitleAndSaveThenAsksForAName()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        QCOMPARE(titleOf(*window), QStringLiteral("New skin"));
        QCOMPARE(window->pageCount(), 2);
        QCOMPARE(editedSkin(window->skinModel()).lineCount(), 100); // magic line and palette

        const QString path = workspace->path(QStringLiteral("mine.ski"));
        dialogs->fileAnswers.push_back(path);
        trigger(*window, MainWindow::commandSave);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("save"));
        QCOMPARE(dialogs->questions[0].details, QStringList({QStringLiteral("ski files (*.ski)"),
                                                             QStringLiteral("All files (*)"), QStringLiteral("ski")}));
        QCOMPARE(titleOf(*window), path);
        QVERIFY(workspace->readFile(QStringLiteral("mine.ski")).startsWith("SKI1\n0 41 98\n"));
        QVERIFY(dialogs->messages.empty());

        // Now the skin has a name: Save writes there without asking.
        window->skinSession().modelForEdit().setNumber(500, 3);
        trigger(*window, MainWindow::commandSave);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QVERIFY(workspace->readFile(QStringLiteral("mine.ski")).endsWith("2 500 3\n"));
    }

    void cancelledFileQuestionsChangeNothing()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandOpen);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("open"));
        QCOMPARE(titleOf(*window), QStringLiteral("Vela Skin"));
        QCOMPARE(window->pageCount(), 0);
        trigger(*window, MainWindow::commandNew);
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->questions.size(), std::size_t(2));
        QCOMPARE(dialogs->questions[1].title, QStringLiteral("save"));
        QCOMPARE(titleOf(*window), QStringLiteral("New skin"));
        QVERIFY(dialogs->messages.empty());
    }

    void openOfANonSkinShowsText10AndKeepsTheSkinItsPagesAndTitle()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        window->skinSession().modelForEdit().setNumber(500, 3); // an unsaved edit
        const QPointer<ElementPage> page = window->elementPage();

        workspace->writeFile(QStringLiteral("notes.ski"), "hello\n"); // a text file, not a skin
        const QString path = workspace->path(QStringLiteral("notes.ski"));
        dialogs->fileAnswers.push_back(path);
        trigger(*window, MainWindow::commandOpen);
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Can't open the skin file.\nThe file ") + path
                              + QStringLiteral(" is not a skin: its first line is not \"SKI1\".")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
        QCOMPARE(titleOf(*window), QStringLiteral("New skin"));
        QCOMPARE(editedSkin(window->skinModel()).path(), std::string("New skin"));
        QCOMPARE(window->skinModel().getNumber(500), 3);
        QVERIFY(page);
        QCOMPARE(window->elementPage(), page.data());
        QCOMPARE(window->pageCount(), 2);
    }

    void openOfASkinRebuildsThePages()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        const QPointer<ElementPage> oldPage = window->elementPage();

        workspace->writeFile(QStringLiteral("skins/a.ski"), "SKI1\n2 1 99\n");
        const QString path = workspace->path(QStringLiteral("skins/a.ski"));
        dialogs->fileAnswers.push_back(path);
        trigger(*window, MainWindow::commandOpen);
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(titleOf(*window), path);
        QVERIFY(!oldPage); // destroyed by the rebuild
        QVERIFY(window->elementPage());
        QCOMPARE(window->skinModel().getNumber(1), 99);
    }

    void failedSavesAreReported()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);

        const QString unreachable = workspace->path(QStringLiteral("no/such/folder/x.ski"));
        dialogs->fileAnswers.push_back(unreachable);
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Can't save skin ") + unreachable}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
        QCOMPARE(titleOf(*window), QStringLiteral("New skin")); // the title names only a written file

        // Save to a folder that has gone away since the skin was saved there.
        QDir().mkpath(workspace->path(QStringLiteral("gone")));
        const QString saved = workspace->path(QStringLiteral("gone/y.ski"));
        dialogs->fileAnswers.push_back(saved);
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QVERIFY(QDir(workspace->path(QStringLiteral("gone"))).removeRecursively());
        trigger(*window, MainWindow::commandSave);
        QCOMPARE(dialogs->messages.size(), std::size_t(2));
        QCOMPARE(dialogs->messages[1].text, QStringLiteral("Can't save skin ") + saved);
    }

    void focusRectTwiceRestoresTheMarkAndTheProfile()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandRefresh);
        QAction* focusRect = window->commandAction(MainWindow::commandFocusRect);
        QVERIFY(!focusRect->isChecked());

        trigger(*window, MainWindow::commandFocusRect);
        QCOMPARE(window->focusRectValue(), 1);
        QVERIFY(focusRect->isChecked());
        QCOMPARE(AppSettings::focusRect(), 1);

        trigger(*window, MainWindow::commandFocusRect);
        QCOMPARE(window->focusRectValue(), 0);
        QVERIFY(!focusRect->isChecked());
        QCOMPARE(AppSettings::focusRect(), 0);
    }

    void refreshBeforeNewBuildsBothPages()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandRefresh);
        QCOMPARE(window->pageCount(), 2);
        QTabWidget* tabs = window->tabWidget();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Elements"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Images"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->widget(0), window->elementPage());
        QCOMPARE(tabs->widget(1), window->imagesPage());
        QCOMPARE(&window->elementPage()->skinModel(), &window->skinModel());
        QCOMPARE(&window->imagesPage()->languageTexts(), &window->languageTable());
        QCOMPARE(window->imagesPage()->mainWindow(), window.get());
        QVERIFY(!editedSkin(window->skinModel()).hasLineTable());
    }

    void onlyTheCurrentTabsPageIsShown()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The toolbar's New button, clicked like a user would.
        QToolButton* newButton =
            qobject_cast<QToolButton*>(window->toolBar()->widgetForAction(window->toolBar()->actions().value(0)));
        QVERIFY(newButton);
        QTest::mouseClick(newButton, Qt::LeftButton);
        QCOMPARE(titleOf(*window), QStringLiteral("New skin"));
        QVERIFY(window->elementPage()->isVisible());
        QVERIFY(!window->imagesPage()->isVisible());
        window->tabWidget()->setCurrentIndex(1);
        QVERIFY(!window->elementPage()->isVisible());
        QVERIFY(window->imagesPage()->isVisible());
    }

    // The window can be made larger and smaller (its layout: WindowLayoutTest).
    void windowIsResizableAndIgnoresEnterAndEscape()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(window->minimumSize() != window->maximumSize());
        QVERIFY(window->width() > window->height());
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTest::keyClick(window.get(), Qt::Key_Enter);
        QVERIFY(window->isVisible());
    }

    void aLanguageLackingText1000LabelsTheFirstTabNull()
    {
        prepareWorkspace();
        workspace->writeFile(QStringLiteral("Lng/Short.lng"), "[Lang]\n100=Akte\n3000=Pictures\n");
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        dialogs->listAnswers.push_back(QStringLiteral("Short.lng"));
        trigger(*window, MainWindow::commandLanguage);
        QCOMPARE(dialogs->questions.back().title, QStringLiteral("Select Language"));
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(window->tabWidget()->tabText(0), QStringLiteral("NULL"));
        QCOMPARE(window->tabWidget()->tabText(1), QStringLiteral("Pictures"));
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("Akte"));
        QCOMPARE(menuTitle(*window, 1), QStringLiteral("NULL"));
        QCOMPARE(window->toolBar()->actions().value(0)->text(), QStringLiteral("NULL"));
        QCOMPARE(AppSettings::languageFile(), QStringLiteral("Short.lng"));
    }

    void aBrokenLanguageNamesBothFilesAndKeepsThePreviousOne()
    {
        prepareWorkspace();
        workspace->writeFile(QStringLiteral("Lng/Broken.lng"), "1=One\n");
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandRefresh);
        dialogs->listAnswers.push_back(QStringLiteral("Broken.lng"));
        trigger(*window, MainWindow::commandLanguage);
        QCOMPARE(dialogs->questions.back().title, QStringLiteral("Select Language"));
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Can't load language Broken.lng\n loading English.lng")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Exclamation);
        QCOMPARE(window->tabWidget()->tabText(0), QStringLiteral("Elements"));
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&File"));
        QVERIFY(!workspace->settingsText().contains("Broken"));

        // With the previous file gone as well, nothing can be loaded.
        QFile::remove(workspace->path(QStringLiteral("Lng/English.lng")));
        dialogs->listAnswers.push_back(QStringLiteral("Broken.lng"));
        QVERIFY(!window->selectLanguage());
        QCOMPARE(dialogs->messages.back().text, QStringLiteral("Can't load language"));
        QCOMPARE(dialogs->messages.back().icon, DialogService::Icon::Error);
    }

    void qtTextsSpeakTheLanguageOfTheLanguageFile()
    {
        prepareWorkspace();
        workspace->writeFile(QStringLiteral("Lng/Plain.lng"), "[Lang]\n100=File\n");
        workspace->writeFile(QStringLiteral("Lng/Odd.lng"), "[Lang]\n0=../../de\n");
        auto window = startedWindow();
        QVERIFY(window);
        QCOMPARE(standardCancelText(), QStringLiteral("Cancel"));

        const auto choose = [&](const char* file) {
            dialogs->listAnswers.push_back(QString::fromLatin1(file));
            QVERIFY(window->selectLanguage());
        };
        choose("Deutsch.lng");
        QCOMPARE(window->qtTranslations().language(), QStringLiteral("de"));
        QCOMPARE(standardCancelText(), QStringLiteral("Abbrechen"));
        ListSelectDialog list(QString(), workspace->path(QStringLiteral("Lng/")), ListSelectDialog::Mode::Files);
        QCOMPARE(list.findChild<QPushButton*>(QStringLiteral("cancel"))->text().remove(QLatin1Char('&')),
                 QStringLiteral("Abbrechen"));

        // Back to English: explicitly, by a file that names no language, or by a name that is none.
        choose("English.lng");
        QCOMPARE(standardCancelText(), QStringLiteral("Cancel"));
        choose("Deutsch.lng");
        choose("Plain.lng");
        QCOMPARE(standardCancelText(), QStringLiteral("Cancel"));
        choose("Deutsch.lng");
        choose("Odd.lng");
        QCOMPARE(window->qtTranslations().language(), QString());
        QCOMPARE(standardCancelText(), QStringLiteral("Cancel"));

        // The window takes its translations along when it goes.
        choose("Deutsch.lng");
        window.reset();
        QCOMPARE(standardCancelText(), QStringLiteral("Cancel"));
    }

    void listSelectionsOfferTheCurrentEntry()
    {
        prepareWorkspace();
        workspace->addDefaultSkin(QStringLiteral("Other"));
        auto window = startedWindow();
        QVERIFY(window);
        window->selectLanguage();
        window->selectDefaultSkin();
        QCOMPARE(dialogs->questions.size(), std::size_t(2));
        QCOMPARE(dialogs->questions[0].initial, QStringLiteral("English.lng"));
        QCOMPARE(dialogs->questions[1].initial, QStringLiteral("Vela"));
    }

    void cancelledLanguageSelectionChangesNothing()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        QVERIFY(!window->selectLanguage());
        QCOMPARE(menuTitle(*window, 0), QStringLiteral("&File"));
        QVERIFY(workspace->settingsText().isEmpty());
    }

    void defaultSkinCommandSwitchesOrFallsBack()
    {
        prepareWorkspace();
        workspace->addDefaultSkin(QStringLiteral("Other"), 42);
        workspace->writeFile(QStringLiteral("Default/Short/Short.ski"), TestWorkspace::defaultSkinBytes(5, 1181));
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);

        dialogs->listAnswers.push_back(QStringLiteral("Other"));
        trigger(*window, MainWindow::commandDefaultSkin);
        QCOMPARE(window->skinModel().getNumber(1), 42);
        QCOMPARE(AppSettings::defaultSkinName(), QStringLiteral("Other"));
        QCOMPARE(window->pageCount(), 2);

        // A default skin that is too short: back to the one in the settings.
        const QPointer<ElementPage> page = window->elementPage();
        dialogs->listAnswers.push_back(QStringLiteral("Short"));
        QVERIFY(window->selectDefaultSkin());
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Can't load the default skin. Short\n loading Other\nThe file ")
                              + workspace->path(QStringLiteral("Default/Short/Short.ski"))
                              + QStringLiteral(" has too few lines to serve as a default skin.")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Exclamation);
        QCOMPARE(window->skinModel().getNumber(1), 42);
        QCOMPARE(AppSettings::defaultSkinName(), QStringLiteral("Other"));
        QVERIFY(!page); // pages rebuilt
        QVERIFY(!window->closeRequested());

        // Neither loads: the program ends.
        QVERIFY(QDir(workspace->path(QStringLiteral("Default/Other"))).removeRecursively());
        dialogs->listAnswers.push_back(QStringLiteral("Short"));
        QVERIFY(window->selectDefaultSkin());
        QCOMPARE(dialogs->messages.size(), std::size_t(3));
        QCOMPARE(dialogs->messages[2].text, QStringLiteral("Can't load the default skin."));
        QCOMPARE(dialogs->messages[2].icon, DialogService::Icon::Error);
        QVERIFY(window->closeRequested());
    }

    void aboutShowsTheBoxThenRefreshes()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandAbout);
        QCOMPARE(window->aboutBoxes, 1);
        QCOMPARE(window->pageCount(), 2);

        AboutDialog box(window->languageTable());
        const auto* version = box.findChild<QLabel*>(QStringLiteral("version"));
        QVERIFY(version);
        // The version comes from the project's version, filled in by the configuration.
        const QString projectVersion = QLatin1String(programVersion);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(projectVersion).hasMatch());
        QCOMPARE(version->text(), QStringLiteral("VelaSkin Version ") + projectVersion);
        QVERIFY(version->alignment() & Qt::AlignHCenter);
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("icon"))->pixmap().isNull());
        box.show();
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void exitClosesTheWindow()
    {
        prepareWorkspace();
        auto window = startedWindow();
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        trigger(*window, MainWindow::commandExit);
        QVERIFY(!window->isVisible());
    }

    void resourcesHoldTheStatusStrip()
    {
        prepareWorkspace();
        MainWindow window; // makes the resources available
        const QImage strip(QStringLiteral(":/gif/156"));
        QCOMPARE(strip.size(), QSize(176, 15));
        QCOMPARE(QImage(QStringLiteral(":/icons/velaskin-32.gif")).size(), QSize(32, 32));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
