#include "ScriptedDialogs.h"
#include "ModelAccess.h"
#include "ProgramRun.h"
#include "TestWorkspace.h"
#include "app/MainWindow.h"
#include "app/SkinApp.h"
#include "pages/ElementPage.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"

#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QTest>

#include <memory>

namespace {

void trigger(MainWindow& window, MainWindow::Command command)
{
    window.commandAction(command)->trigger();
}

// The names of the files in a folder of the workspace, sorted.
QStringList filesIn(const TestWorkspace& workspace, const QString& folder)
{
    return QDir(workspace.path(folder)).entryList(QDir::Files, QDir::Name);
}

} // namespace

// Open, Save and Save As as a user meets them: what is written, what is kept,
// what the title says, and where the wallpaper goes.
class FileCommandsTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    // Shipped languages and a default skin "Vela" whose wallpaper is VelaWall.gif beside it.
    std::unique_ptr<MainWindow> startedWindow()
    {
        workspace->addShippedLanguages();
        workspace->writeFile(QStringLiteral("Default/Vela/Vela.ski"),
                             TestWorkspace::defaultSkinBytes() + "6 1015 /a/mobile/picture/VelaWall.gif\n");
        workspace->writeFile(QStringLiteral("Default/Vela/VelaWall.gif"), "sunset of the default skin");
        auto window = std::make_unique<MainWindow>();
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

    void checkSkinListsTheEditedSkinsFindingsInTheUsersLanguage()
    {
        auto window = startedWindow();
        QVERIFY(window);
        QCOMPARE(window->commandAction(MainWindow::commandCheckSkin)->text(), QStringLiteral("&Check skin"));

        // A new skin takes only the default skin's palette: nothing to find.
        trigger(*window, MainWindow::commandNew);
        trigger(*window, MainWindow::commandCheckSkin);
        QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("The check found nothing wrong with this skin.")});
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Information);
        QVERIFY(dialogs->lists.empty());

        workspace->writeFile(QStringLiteral("skins/s.ski"), "SKI1\n2 5 1\n2 5 2\n4 595 0 0 0 300\n5 9 0 0 0\n");
        workspace->writeFile(QStringLiteral("skins/s.dat"), "abc");
        workspace->writeFile(QStringLiteral("skins/s2.dat"), "xy"); // left beside it, named by no record
        QVERIFY(window->openSkinFile(path(QStringLiteral("skins/s.ski"))));
        trigger(*window, MainWindow::commandCheckSkin);
        QCOMPARE(dialogs->lists.size(), std::size_t(1));
        QCOMPARE(dialogs->lists[0].title, QStringLiteral("Check skin"));
        QCOMPARE(dialogs->lists[0].lines,
                 QStringList({QStringLiteral("Whole skin: 3 bytes of data file 0 (s.dat) belong to no picture."),
                              QStringLiteral("Whole skin: 2 bytes of data file 2 (s2.dat) belong to no picture."),
                              QStringLiteral("Line 3: Record \"2 5\" is already set on line 2; this line is never read."),
                              QStringLiteral("Line 4: Colour 595 (0 0 0 300) has a value outside 0..255.")}));

        // The skin as edited, not as on disk, in the language chosen.
        window->skinSession().modelForEdit().setColour(595, 0, 0);
        dialogs->listAnswers.push_back(QStringLiteral("Deutsch.lng"));
        trigger(*window, MainWindow::commandLanguage);
        trigger(*window, MainWindow::commandCheckSkin);
        QCOMPARE(dialogs->lists.size(), std::size_t(2));
        QCOMPARE(dialogs->lists[1].title, QStringLiteral("Skin prüfen"));
        QCOMPARE(dialogs->lists[1].lines,
                 QStringList({QStringLiteral("Ganzer Skin: 3 Bytes der Datendatei 0 (s.dat) gehören zu keinem Bild."),
                              QStringLiteral("Ganzer Skin: 2 Bytes der Datendatei 2 (s2.dat) gehören zu keinem Bild."),
                              QStringLiteral("Zeile 3: Der Eintrag „2 5“ steht schon in Zeile 2; diese Zeile wird nie gelesen.")}));
        QCOMPARE(window->commandAction(MainWindow::commandCheckSkin)->text(), QStringLiteral("Skin &prüfen"));
    }

    void saveAsUnderAnotherExtensionAsksBeforeReplacingTheSkinFile()
    {
        auto window = startedWindow();
        QVERIFY(window);
        const QByteArray victim = "SKI1\n5 600 0 3 0\n5 601 0 2 1\n";
        workspace->writeFile(QStringLiteral("out/x.ski"), victim);
        workspace->writeFile(QStringLiteral("out/x.dat"), "old");
        workspace->writeFile(QStringLiteral("out/x1.dat"), "o1");
        workspace->writeFile(QStringLiteral("pic.gif"), "GIF89a new picture");
        trigger(*window, MainWindow::commandNew);
        QCOMPARE(window->skinSession().modelForEdit().setPictureFromFile(600, path(QStringLiteral("pic.gif")).toStdString()), 1);

        // "No" (also the scripted default) writes nothing at all.
        dialogs->fileAnswers.push_back(path(QStringLiteral("out/x.bak")));
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        const auto& question = dialogs->messages[0];
        QVERIFY(question.text.endsWith(QStringLiteral("\n") + path(QStringLiteral("out/x.ski"))));
        QVERIFY(question.text.startsWith(QStringLiteral("A skin is always saved as a \".ski\" file")));
        QCOMPARE(question.icon, DialogService::Icon::Question);
        QCOMPARE(question.buttons, DialogService::Buttons::YesNo);
        QCOMPARE(filesIn(*workspace, QStringLiteral("out")),
                 QStringList({QStringLiteral("x.dat"), QStringLiteral("x.ski"), QStringLiteral("x1.dat")}));
        QCOMPARE(workspace->readFile(QStringLiteral("out/x.ski")), victim);
        QCOMPARE(workspace->readFile(QStringLiteral("out/x.dat")), QByteArray("old"));
        QCOMPARE(workspace->readFile(QStringLiteral("out/x1.dat")), QByteArray("o1"));
        QCOMPARE(titleOf(*window), QStringLiteral("New skin"));

        // "Yes" writes the skin file; the title names the file written, not the one typed.
        dialogs->fileAnswers.push_back(path(QStringLiteral("out/x.bak")));
        dialogs->messageAnswers.push_back(DialogService::Answer::Yes);
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->messages.size(), std::size_t(2));
        QVERIFY(workspace->readFile(QStringLiteral("out/x.ski")).endsWith("5 600 0 18 0\n"));
        QCOMPARE(workspace->readFile(QStringLiteral("out/x.dat")), QByteArray("GIF89a new picture"));
        QCOMPARE(titleOf(*window), path(QStringLiteral("out/x.ski")));

        // No question where nothing is replaced, or where the file named is the one written.
        dialogs->fileAnswers.push_back(path(QStringLiteral("out/y.bak")));
        dialogs->fileAnswers.push_back(path(QStringLiteral("out/x.ski")));
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(titleOf(*window), path(QStringLiteral("out/y.ski")));
        trigger(*window, MainWindow::commandSaveAs);
        QCOMPARE(dialogs->messages.size(), std::size_t(2));
        QCOMPARE(titleOf(*window), path(QStringLiteral("out/x.ski")));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("out/x.bak"))));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("out/y.bak"))));
    }

    void savedWallpaperIsTheSkinsOwnOrAbsent()
    {
        auto window = startedWindow();
        QVERIFY(window);
        workspace->writeFile(QStringLiteral("skins/reef.ski"), "SKI1\n6 1015 /a/mobile/picture/reef.gif\n");
        workspace->writeFile(QStringLiteral("skins/reef.gif"), "reef wallpaper");
        workspace->writeFile(QStringLiteral("skins/sea.ski"), "SKI1\n6 1015 /a/mobile/picture/sea.gif\n");
        QVERIFY(QDir().mkpath(path(QStringLiteral("out/deep"))));
        const auto saveAs = [&](const QString& relative) {
            dialogs->fileAnswers.push_back(path(relative));
            trigger(*window, MainWindow::commandSaveAs);
            QCOMPARE(titleOf(*window), path(relative));
        };
        const auto open = [&](const QString& relative) {
            dialogs->fileAnswers.push_back(path(relative));
            trigger(*window, MainWindow::commandOpen);
            QCOMPARE(titleOf(*window), path(relative));
        };

        // A new skin shows the default wallpaper but does not own it.
        trigger(*window, MainWindow::commandNew);
        QCOMPARE(window->skinModel().wallpaperSize(), 26);
        saveAs(QStringLiteral("out/new.ski"));
        // A skin whose wallpaper is missing: neither the default's nor the previous skin's bytes go out under its name.
        open(QStringLiteral("skins/reef.ski"));
        open(QStringLiteral("skins/sea.ski"));
        saveAs(QStringLiteral("out/sea.ski"));
        trigger(*window, MainWindow::commandSave);
        QCOMPARE(filesIn(*workspace, QStringLiteral("out")), QStringList({QStringLiteral("new.ski"), QStringLiteral("sea.ski")}));

        // A skin's own wallpaper travels beside it, byte for byte.
        trigger(*window, MainWindow::commandNew);
        open(QStringLiteral("skins/reef.ski"));
        saveAs(QStringLiteral("out/deep/reef2.ski"));
        QCOMPARE(workspace->readFile(QStringLiteral("out/deep/reef.gif")), QByteArray("reef wallpaper"));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("reef.gif")))); // not into the working folder
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("sea.gif"))));
        // The element page tells once that sea.ski's wallpaper is missing.
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Can't load the wallpaper picture.")}));
    }

    void saveWithNothingLoadedIsNotOffered()
    {
        auto window = startedWindow();
        QVERIFY(window);
        trigger(*window, MainWindow::commandSave);
        QVERIFY(dialogs->questions.empty());

        // A failed Open with nothing before it: still nothing to save.
        workspace->writeFile(QStringLiteral("bad.ski"), "ABC\n"); // not a skin
        dialogs->fileAnswers.push_back(path(QStringLiteral("bad.ski")));
        trigger(*window, MainWindow::commandOpen);
        trigger(*window, MainWindow::commandSave);
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Can't open the skin file.\nThe file ")
                                                       + path(QStringLiteral("bad.ski"))
                                                       + QStringLiteral(" is not a skin: its first line is not \"SKI1\".")}));
        QCOMPARE(titleOf(*window), QStringLiteral("Vela Skin"));
    }

    void fileDialogsStartBesideTheSkinAndOfferAllFiles()
    {
        auto window = startedWindow();
        QVERIFY(window);
        workspace->writeFile(QStringLiteral("skins/a.ski"), "SKI1\n");
        trigger(*window, MainWindow::commandOpen);
        dialogs->fileAnswers.push_back(path(QStringLiteral("skins/a.ski")));
        trigger(*window, MainWindow::commandOpen);
        trigger(*window, MainWindow::commandSaveAs);
        trigger(*window, MainWindow::commandNew);
        trigger(*window, MainWindow::commandSaveAs);

        QCOMPARE(dialogs->questions.size(), std::size_t(4));
        const QString here = QDir::currentPath();
        const QString skins = path(QStringLiteral("skins/"));
        const QString expected[] = {here, here, skins, here};
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(dialogs->questions[i].initial, expected[i]);
            QCOMPARE(dialogs->questions[i].details,
                     QStringList({QStringLiteral("ski files (*.ski)"), QStringLiteral("All files (*)"),
                                  QStringLiteral("ski")}));
        }
    }

    void commandLineOpensASkinAfterStartUp()
    {
        auto window = std::make_unique<MainWindow>();
        workspace->writeFile(QStringLiteral("skins/a.ski"), "SKI1\n2 1 99\n");
        workspace->writeFile(QStringLiteral("skins/bad.ski"), "ABC\n");

        // Without a language the program ends before anything is opened.
        QVERIFY(!SkinApp::prepareWindow(*window, {QStringLiteral("velaskin"), QStringLiteral("skins/a.ski")}));
        QCOMPARE(dialogs->messages.size(), std::size_t(1)); // the language question only
        QVERIFY(!editedSkin(window->skinModel()).hasLineTable());

        workspace->addShippedLanguages();
        workspace->addDefaultSkin();
        window = std::make_unique<MainWindow>();
        QVERIFY(SkinApp::prepareWindow(*window, {QStringLiteral("velaskin"), QStringLiteral("skins/a.ski")}));
        QCOMPARE(titleOf(*window), path(QStringLiteral("skins/a.ski")));
        QCOMPARE(window->pageCount(), 2);
        QCOMPARE(window->skinModel().getNumber(1), 99);

        // A file that does not load: the message of Open, and the editor stays empty.
        window = std::make_unique<MainWindow>();
        QVERIFY(SkinApp::prepareWindow(*window, {QStringLiteral("velaskin"), path(QStringLiteral("skins/bad.ski"))}));
        QVERIFY(dialogs->messages.back().text.startsWith(QStringLiteral("Can't open the skin file.\nThe file ")));
        QCOMPARE(titleOf(*window), QStringLiteral("Vela Skin"));
        QCOMPARE(window->pageCount(), 0);
        QVERIFY(!editedSkin(window->skinModel()).hasLineTable());

        window = std::make_unique<MainWindow>();
        const std::size_t messages = dialogs->messages.size();
        QVERIFY(SkinApp::prepareWindow(*window, {QStringLiteral("velaskin")}));
        QCOMPARE(dialogs->messages.size(), messages);
        QCOMPARE(window->pageCount(), 0);
    }

    void standardShortcutsRunTheFileCommands()
    {
        auto window = startedWindow();
        QVERIFY(window);
        const std::pair<MainWindow::Command, QKeySequence::StandardKey> keys[] = {
            {MainWindow::commandNew, QKeySequence::New},
            {MainWindow::commandOpen, QKeySequence::Open},
            {MainWindow::commandSave, QKeySequence::Save},
            {MainWindow::commandSaveAs, QKeySequence::SaveAs},
        };
        for (const auto& [command, key] : keys) {
            // The platform's keys where it has them (the menu shows the first beside the text).
            const QList<QKeySequence> platformKeys = QKeySequence::keyBindings(key);
            if (!platformKeys.isEmpty())
                QCOMPARE(window->commandAction(command)->shortcuts(), platformKeys);
        }
        // Save As has a standard key only on some desktops; elsewhere the common one.
        if (QKeySequence::keyBindings(QKeySequence::SaveAs).isEmpty())
            QCOMPARE(window->commandAction(MainWindow::commandSaveAs)->shortcut(),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (const auto& [command, key] : keys) {
            const QKeySequence shortcut = window->commandAction(command)->shortcut();
            QVERIFY(!shortcut.isEmpty());
            QTest::keySequence(window.get(), shortcut);
            if (command == MainWindow::commandNew)
                QCOMPARE(titleOf(*window), QStringLiteral("New skin"));
        }
        // Save of a new skin asks for a name; then Open and Save As.
        QCOMPARE(dialogs->questions.size(), std::size_t(3));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("open"));
        QCOMPARE(dialogs->questions[1].title, QStringLiteral("save"));
        QCOMPARE(dialogs->questions[2].title, QStringLiteral("save"));
    }

    // The shipped default skin, and a copy of it to open as an edited skin.
    void copyShippedSkins()
    {
        workspace->addShippedLanguages();
        const QDir shipped(QStringLiteral(VELASKIN_DATA_DIR "/Default/Vela"));
        for (const QString& folder : {QStringLiteral("Default/Vela/"), QStringLiteral("skins/")}) {
            QVERIFY(QDir().mkpath(workspace->path(folder)));
            for (const QString& name : shipped.entryList(QDir::Files))
                QVERIFY(QFile::copy(shipped.filePath(name), workspace->path(folder + name)));
        }
    }

    // What velaskin-cli render draws for a skin of the workspace over the shipped default skin.
    QImage render(const QString& skin, const QString& options)
    {
        const QString out = workspace->path(QStringLiteral("out.png"));
        QFile::remove(out);
        const QString arguments = QStringLiteral("render --default Default/Vela/Vela.ski '%1' '%2' %3").arg(skin, out, options);
        if (testing_support::runCli(QFile::encodeName(workspace->path()).toStdString(), arguments.toStdString()).code != 0)
            return QImage();
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

    // The page's canvas after New and after Open is what velaskin-cli render
    // draws for the same skin; the Focus Rect command recomposes it.
    void canvasIsWhatTheRenderCommandDraws()
    {
        copyShippedSkins();
        MainWindow window;
        QVERIFY(window.initialise());

        window.newSkin();
        QVERIFY(window.skinSession().modelForEdit().saveSkin(QFile::encodeName(workspace->path(QStringLiteral("new.ski"))).toStdString()) == SaveResult::Saved);
        const QImage afterNew = window.elementPage()->canvas().image();
        QCOMPARE(afterNew, render(QStringLiteral("new.ski"), {}));

        QVERIFY(window.openSkinFile(workspace->path(QStringLiteral("skins/Vela.ski"))));
        QCOMPARE(window.elementPage()->canvas().image(), render(QStringLiteral("skins/Vela.ski"), {}));
        QVERIFY(dialogs->messages.empty());

        window.commandAction(MainWindow::commandFocusRect)->trigger();
        QCOMPARE(window.elementPage()->canvas().image(), render(QStringLiteral("skins/Vela.ski"), QStringLiteral("--focus-rects")));
        window.commandAction(MainWindow::commandFocusRect)->trigger();
        QCOMPARE(window.focusRectValue(), 0);
    }

    // At every zoom the View menu sets, a drag of the left key by (+12, -9)
    // canvas pixels (the pointer taken hold of inside a pixel and moved in
    // steps that are no whole pixels) writes the same rectangles, state 0's
    // and state 2's, as one undo step; and the preview shows exactly what
    // render --scale draws for the skin (outline and grid off).
    void aDragAtEveryZoomWritesWholePixelsAndThePreviewIsWhatRenderScaleDraws()
    {
        copyShippedSkins();
        MainWindow window;
        QVERIFY(window.initialise());
        window.show();
        window.newSkin();
        ElementPage& page = *window.elementPage();
        SkinSession& session = window.skinSession();
        const SkinRect left = session.model().getRect(658);
        const SkinRect dropped{left.left + 12, left.top - 9, left.right + 12, left.bottom - 9};
        for (const int zoom : {1, 3, 8}) {
            const QByteArray name = "at " + QByteArray::number(zoom);
            trigger(window, MainWindow::commandActualSize);
            for (int step = 1; step < zoom; ++step)
                trigger(window, MainWindow::commandZoomIn);
            QCOMPARE(page.zoom(), zoom);

            PreviewFrame& frame = page.frame(idlescreen::Frame::LeftKey);
            // The last enlarged pixel of the picture's first opaque canvas pixel.
            const QPoint from = frame.mask().begin()->topLeft() + QPoint(zoom - 1, zoom - 1);
            const int steps = session.undoStack().index();
            QTest::mousePress(&frame, Qt::LeftButton, {}, from);
            const QPoint pointer = frame.pos() + from; // on the preview
            for (const QPoint by : {QPoint(1, 0), QPoint(6 * zoom + 1, -4 * zoom - 1), QPoint(12 * zoom, -9 * zoom)})
                QTest::mouseMove(&frame, pointer + by - frame.pos());
            QTest::mouseRelease(&frame, Qt::LeftButton, {}, pointer + QPoint(12 * zoom, -9 * zoom) - frame.pos());
            QVERIFY2(session.model().edited().getRect(658) == dropped, name);
            QVERIFY2(session.model().edited().getRect(651) == dropped, name);
            QCOMPARE(session.undoStack().index(), steps + 1);

            QCOMPARE(session.save(QFile::encodeName(workspace->path(QStringLiteral("zoomed.ski"))).toStdString()),
                     SaveResult::Saved);
            page.preview().setSelectionOutline(std::nullopt);
            const QImage shown = page.preview()
                                     .grab(QRect(ScreenPreview::inset, ScreenPreview::inset, 176 * zoom, 220 * zoom))
                                     .toImage()
                                     .convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == render(QStringLiteral("zoomed.ski"), QStringLiteral("--scale %1").arg(zoom)), name);
            session.undoStack().undo();
            QVERIFY2(session.model().getRect(658) == left, name);
        }
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
