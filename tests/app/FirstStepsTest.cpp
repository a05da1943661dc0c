// What a new user meets in the window: why a skin does not open, commands
// that need a skin, the hint and the recent skins while none is open, the
// tips of the key-state buttons and the titles of the colour choosers, and
// the messages about language files in the user's language.

#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "TreeItemAt.h"
#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/StartPanel.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "pages/PropertyPanel.h"
#include "widgets/ColourButton.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

namespace {

void trigger(MainWindow& window, MainWindow::Command command)
{
    window.commandAction(command)->trigger();
}

QAction* toolbarButton(const MainWindow& window, MainWindow::Command command)
{
    for (QAction* button : window.toolBar()->actions())
        if (button->data().toInt() == command)
            return button;
    return nullptr;
}

QStringList recentMenuTexts(const MainWindow& window)
{
    QStringList texts;
    for (const QAction* entry : window.recentSkinActions())
        texts << entry->text();
    return texts;
}


} // namespace

class FirstStepsTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> startedWindow(const QByteArray& settings = {})
    {
        workspace->addShippedLanguages();
        workspace->addShippedDefaultSkin();
        if (!settings.isEmpty())
            workspace->writeSettings(settings);
        auto window = std::make_unique<MainWindow>();
        if (!window->initialise())
            return nullptr;
        window->show();
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
        QLocale::setDefault(QLocale::system());
    }

    void aFailedOpenNamesTheFileAndWhy()
    {
        workspace->writeFile(QStringLiteral("s/notes.ski"), "hello\n");
        workspace->writeFile(QStringLiteral("s/k.ski"), "SKI1\n5 1 0 2 1\n");
        workspace->writeFile(QStringLiteral("s/k.dat"), "ab");
        workspace->writeFile(QStringLiteral("s/d.ski"), "SKI1\n5 1 0 2 1\n");
        workspace->writeFile(QStringLiteral("s/d.dat"), "ab");
        QDir().mkpath(path(QStringLiteral("s/d1.dat")));
        QDir().mkpath(path(QStringLiteral("s/folder.ski")));
        const struct {
            const char* file;
            const char* english;
            const char* german;
        } cases[] = {
            {"s/gone.ski", "The file %1 does not exist.", "Die Datei %1 gibt es nicht."},
            {"s/folder.ski", "The file %1 cannot be read: it is no regular file, it may not be read, or another program is saving it.",
             "Die Datei %1 kann nicht gelesen werden: Sie ist keine gewöhnliche Datei, darf nicht gelesen werden, oder "
             "ein anderes Programm speichert sie gerade."},
            {"s/notes.ski", "The file %1 is not a skin: its first line is not \"SKI1\".",
             "Die Datei %1 ist kein Skin: Ihre erste Zeile ist nicht „SKI1“."},
            {"s/k.ski", "The picture data file %1 does not exist.", "Die Bilddatendatei %1 gibt es nicht."},
            {"s/d.ski", "The picture data file %1 cannot be read.", "Die Bilddatendatei %1 kann nicht gelesen werden."},
        };
        auto window = startedWindow();
        QVERIFY(window);
        for (const bool german : {false, true}) {
            if (german) {
                dialogs->listAnswers.push_back(QStringLiteral("Deutsch.lng"));
                trigger(*window, MainWindow::commandLanguage);
            }
            for (const auto& c : cases) {
                dialogs->messages.clear();
                QVERIFY(!window->openSkinFile(path(QLatin1String(c.file))));
                // The data file's name where a data file failed.
                QString failed = path(QLatin1String(c.file));
                if (failed.endsWith(QStringLiteral("/k.ski")) || failed.endsWith(QStringLiteral("/d.ski")))
                    failed.replace(QStringLiteral(".ski"), QStringLiteral("1.dat"));
                const QString first = german ? QStringLiteral("Die Skin-Datei kann nicht geöffnet werden.")
                                             : QStringLiteral("Can't open the skin file.");
                QCOMPARE(dialogs->messageTexts(),
                         QStringList({first + QLatin1Char('\n') + QString::fromUtf8(german ? c.german : c.english).arg(failed)}));
                QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
            }
        }

        // A data file shorter than its records say: opened, and the user told which pictures fall back.
        workspace->writeFile(QStringLiteral("s/short.ski"), "SKI1\n5 630 0 4 0\n5 631 2 9 0\n5 632 0 2 0\n5 7 0 99 0\n");
        workspace->writeFile(QStringLiteral("s/short.dat"), "abcd");
        dialogs->messages.clear();
        QVERIFY(window->openSkinFile(path(QStringLiteral("s/short.ski"))));
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Der Skin ist geöffnet, aber seine Bilddatendatei ") + path(QStringLiteral("s/short.dat"))
                              + QStringLiteral(" ist kürzer, als die Einträge dieser Bilder sagen; sie zeigen daher die Bilder "
                                               "des Standard-Skins: 631, 7")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Exclamation);
        QCOMPARE(window->pageCount(), 2);
    }

    void saveSaveAsAndCheckNeedASkin()
    {
        auto window = startedWindow();
        QVERIFY(window);
        workspace->writeFile(QStringLiteral("bad.ski"), "ABC\n");
        workspace->writeFile(QStringLiteral("good.ski"), "SKI1\n");
        const auto offered = [&window] {
            QList<bool> states;
            for (const auto command : {MainWindow::commandSave, MainWindow::commandSaveAs, MainWindow::commandCheckSkin})
                states << window->commandAction(command)->isEnabled();
            states << toolbarButton(*window, MainWindow::commandSave)->isEnabled();
            return states;
        };
        const QList<bool> none(4, false);
        const QList<bool> all(4, true);
        QCOMPARE(offered(), none);
        trigger(*window, MainWindow::commandRefresh); // pages, but still no skin
        QCOMPARE(offered(), none);
        QVERIFY(dialogs->messages.empty()); // and no wallpaper to complain about
        QVERIFY(!window->openSkinFile(path(QStringLiteral("bad.ski"))));
        QCOMPARE(offered(), none);
        // Neither the menu nor its keys nor the toolbar ask or say anything.
        const std::size_t messages = dialogs->messages.size();
        trigger(*window, MainWindow::commandSave);
        toolbarButton(*window, MainWindow::commandSave)->trigger();
        trigger(*window, MainWindow::commandCheckSkin);
        QVERIFY(dialogs->questions.empty());
        QCOMPARE(dialogs->messages.size(), messages);
        QVERIFY(window->openSkinFile(path(QStringLiteral("good.ski"))));
        QCOMPARE(offered(), all);
        QVERIFY(!window->openSkinFile(path(QStringLiteral("bad.ski")))); // the open skin stays
        QCOMPARE(offered(), all);
        auto fresh = startedWindow();
        trigger(*fresh, MainWindow::commandNew);
        QVERIFY(fresh->commandAction(MainWindow::commandSaveAs)->isEnabled());
    }

    void theEmptyWindowOffersNewOpenAndTheRecentSkins()
    {
        auto window = startedWindow();
        QVERIFY(window);
        window->show();
        StartPanel* panel = window->startPanel();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("hint"))->text(),
                 QStringLiteral("No skin is open. Create a new skin, or open one."));
        QVERIFY(!panel->findChild<QLabel*>(QStringLiteral("recentHeading"))->isVisible());

        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("open")), Qt::LeftButton);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("open"));
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("create")), Qt::LeftButton);
        QCOMPARE(window->pageCount(), 2);
        QVERIFY(!panel->isVisible());

        // Six skins opened or saved: the five last, newest first, in the menu, the panel and the settings.
        QStringList skins;
        for (int i = 1; i <= 6; ++i) {
            skins.prepend(path(QStringLiteral("s/%1&.ski").arg(i)));
            workspace->writeFile(QStringLiteral("s/%1&.ski").arg(i), "SKI1\n");
            if (i < 6) {
                QVERIFY(window->openSkinFile(skins.front()));
            } else {
                dialogs->fileAnswers.push_back(skins.front());
                trigger(*window, MainWindow::commandSaveAs);
            }
        }
        skins.removeLast();
        QCOMPARE(AppSettings::recentSkins(), skins);
        QStringList menu;
        for (int i = 0; i < 5; ++i)
            menu << QStringLiteral("&%1 ").arg(i + 1) + QString(skins[i]).replace(QStringLiteral("&"), QStringLiteral("&&"));
        QCOMPARE(recentMenuTexts(*window), menu);

        // A new window starts with them; one that is gone leaves the list when chosen.
        window = startedWindow();
        window->show();
        QCOMPARE(recentMenuTexts(*window), menu);
        QCOMPARE(window->startPanel()->findChildren<QPushButton*>(QStringLiteral("recent")).size(), 5);
        QFile::remove(skins[1]);
        window->recentSkinActions()[1]->trigger();
        QCOMPARE(dialogs->messages.back().text,
                 skins[1] + QStringLiteral(" no longer exists and was taken off the list of recent skins."));
        QCOMPARE(window->pageCount(), 0);
        skins.removeAt(1);
        QCOMPARE(AppSettings::recentSkins(), skins);
        QCOMPARE(window->recentSkinActions().size(), 4);
        QCOMPARE(window->startPanel()->findChildren<QPushButton*>(QStringLiteral("recent")).size(), 4);
        QTest::mouseClick(window->startPanel()->findChildren<QPushButton*>(QStringLiteral("recent"))[2], Qt::LeftButton);
        QCOMPARE(titleOf(*window), skins[2]);
        QCOMPARE(AppSettings::recentSkins().front(), skins[2]);

        // Unsaved changes are not dropped without the question of Open; Cancel keeps them.
        ElementPage& page = *window->elementPage();
        page.tree().setCurrentItem(treeItemAt(page.tree(), {QStringLiteral("Operator name")}));
        dialogs->colourAnswers.push_back(0x0000FFu); // the operator name in red
        QTest::mouseClick(page.panel().findChild<ColourButton*>(QStringLiteral("colour1")), Qt::LeftButton);
        QVERIFY(window->skinSession().isModified());
        dialogs->messageAnswers.push_back(DialogService::Answer::Cancel);
        window->recentSkinActions()[1]->trigger();
        QCOMPARE(dialogs->messages.back().buttons, DialogService::Buttons::SaveDiscardCancel);
        QCOMPARE(titleOf(*window), skins[2]);
    }

    void keyButtonsAndColourChoosersSayWhatTheyStandFor()
    {
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        ElementPage& page = *window->elementPage();
        const auto tips = [&page] {
            QStringList texts;
            for (const char* name : {"leftState", "centreState", "rightState"})
                texts << page.findChild<QPushButton*>(QLatin1String(name))->toolTip();
            return texts;
        };
        QCOMPARE(tips(), QStringList({QStringLiteral("Left key: State 0"), QStringLiteral("Centre key: State 0"),
                                      QStringLiteral("Right key: State 0")}));
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("centreState")), Qt::LeftButton);
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("centreState")), Qt::LeftButton);
        page.tree().setCurrentItem(treeItemAt(page.tree(), QStringLiteral("Soft keys/Right key/State 1").split(QLatin1Char('/'))));
        QCOMPARE(tips(), QStringList({QStringLiteral("Left key: State 0"), QStringLiteral("Centre key: State 2"),
                                      QStringLiteral("Right key: State 1")}));

        const struct {
            const char* item; // "" for the background before any selection
            const char* button;
            const char* title;
        } choosers[] = {
            {"", "colour1", "Background colour"},
            {"Operator name", "colour1", "Operator name: text colour"},
            {"Operator name", "colour2", "Operator name: inner outline colour"},
            {"Operator name", "colour3", "Operator name: outer outline colour"},
            {"Soft keys/Label style/State 1", "colour1", "Label style, State 1: text colour"},
            {"Clock/Analog clock", "colour2", "Analog clock: minute hand colour"},
            {"Clock/Analog clock", "colour3", "Analog clock: hour hand colour"},
            {"Background colour", "colour1", "Background colour"},
        };
        trigger(*window, MainWindow::commandRefresh);
        for (const auto& c : choosers) {
            ElementPage& shown = *window->elementPage();
            if (*c.item)
                shown.tree().setCurrentItem(treeItemAt(shown.tree(), QString::fromLatin1(c.item).split(QLatin1Char('/'))));
            auto* button = shown.panel().findChild<ColourButton*>(QLatin1String(c.button));
            QVERIFY2(button->isVisibleTo(&shown), c.item);
            dialogs->questions.clear();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(dialogs->questions.size(), std::size_t(1));
            QCOMPARE(dialogs->questions[0].details, QStringList{QLatin1String(c.title)});
        }
        window->tabWidget()->setCurrentIndex(1);
        dialogs->questions.clear();
        QTest::mouseClick(window->imagesPage()->findChild<ColourButton*>(QStringLiteral("background")), Qt::LeftButton);
        QCOMPARE(dialogs->questions[0].details, QStringList{QStringLiteral("Background")});
    }

    void languageMessagesSpeakTheUsersLanguageEvenWithNoneLoaded()
    {
        // The user's language is German and the language file named is gone:
        // the question comes from the German file.
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        auto window = startedWindow("[Language]\ndeflanguage=Gone.lng\n");
        QVERIFY(!window);
        QCOMPARE(dialogs->messageTexts(),
                 QStringList{QStringLiteral("Die Standardsprache wurde nicht gefunden. \n Möchten Sie eine Sprache auswählen?")});

        // In German, a broken file is reported in German; with no file left to read, in English.
        endSession();
        startSession();
        window = startedWindow("[Language]\ndeflanguage=Deutsch.lng\n");
        QVERIFY(window);
        trigger(*window, MainWindow::commandNew);
        QCOMPARE(titleOf(*window), QStringLiteral("Neuer Skin"));
        workspace->writeFile(QStringLiteral("Lng/Broken.lng"), "1=One\n");
        dialogs->listAnswers.push_back(QStringLiteral("Broken.lng"));
        trigger(*window, MainWindow::commandLanguage);
        QFile::remove(path(QStringLiteral("Lng/Deutsch.lng")));
        dialogs->listAnswers.push_back(QStringLiteral("Broken.lng"));
        trigger(*window, MainWindow::commandLanguage);
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Die Sprache Broken.lng kann nicht geladen werden,\n Deutsch.lng wird geladen."),
                              QStringLiteral("Can't load language")}));

        // Switched to English: the title follows.
        auto english = startedWindow("[Language]\ndeflanguage=Deutsch.lng\n");
        QVERIFY(english);
        trigger(*english, MainWindow::commandNew);
        dialogs->listAnswers.push_back(QStringLiteral("English.lng"));
        trigger(*english, MainWindow::commandLanguage);
        QCOMPARE(titleOf(*english), QStringLiteral("New skin"));
    }
};

QTEST_MAIN(FirstStepsTest)
#include "FirstStepsTest.moc"
