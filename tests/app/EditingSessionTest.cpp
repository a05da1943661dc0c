// The editing session as the user meets it in the main window: edits undone
// and done again with the keys (the skin's records and the preview's pixels
// back each time), the question before unsaved changes go, and every view
// up to date after an edit on another page.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/MainWindow.h"
#include "idlescreen/IdleScreenIds.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "pages/PreviewPane.h"
#include "pages/PropertyPanel.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"
#include "widgets/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <QWheelEvent>

#include <memory>

using idlescreen::Frame;

namespace {

// The skin's lines, the preview's pixels, the window's marker: what the user sees of an edit.
struct Seen {
    std::vector<std::string> lines;
    QImage canvas;
    bool operator==(const Seen&) const = default;
};

} // namespace

class EditingSessionTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;

    SkinSession& session() { return window->skinSession(); }
    ElementPage& elements() { return *window->elementPage(); }
    Seen seen() { return {session().model().edited().lines(), elements().canvas().image()}; }
    void press(QKeyCombination keys) { QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers()); }

    void selectTopItem(const QString& text)
    {
        QTreeWidget& tree = elements().tree();
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            if (tree.topLevelItem(i)->text(0) == text)
                tree.setCurrentItem(tree.topLevelItem(i));
    }
    // The background colour chosen in the panel.
    void chooseBackground(std::uint32_t colour)
    {
        selectTopItem(QStringLiteral("Background colour"));
        dialogs->colourAnswers.push_back(colour);
        QTest::mouseClick(elements().findChild<QWidget*>(QStringLiteral("colour1")), Qt::LeftButton);
    }
    void dragFrame(Frame which, QPoint by)
    {
        PreviewFrame& frame = elements().frame(which);
        const QRegion mask = frame.mask();
        const QPoint from = mask.isEmpty() ? QPoint(2, 2) : mask.begin()->topLeft();
        QTest::mousePress(&frame, Qt::LeftButton, {}, from);
        QTest::mouseMove(&frame, from + by);
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, from + by);
    }

private slots:
    void init()
    {
        startSession();
        workspace->addShippedLanguages();
        const QDir shipped(QStringLiteral(VELASKIN_DATA_DIR "/Default/Vela"));
        QVERIFY(QDir().mkpath(workspace->path(QStringLiteral("Default/Vela"))));
        for (const QString& name : shipped.entryList(QDir::Files))
            QVERIFY(QFile::copy(shipped.filePath(name), workspace->path(QStringLiteral("Default/Vela/") + name)));
        window = std::make_unique<MainWindow>();
        QVERIFY(window->initialise());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->newSkin();
    }
    void cleanup()
    {
        // Nothing is asked while the test ends.
        session().undoStack().setClean();
        window.reset();
        endSession();
    }

    // A colour and a drag, undone with Ctrl+Z and done again with
    // Ctrl+Shift+Z and Ctrl+Y: records and pixels come back each time, and
    // the window is marked modified exactly while the skin differs from the new one.
    void undoAndRedoBringBackRecordsAndPixels()
    {
        // The background colour is edited with the wallpaper out of the way.
        selectTopItem(QStringLiteral("Background colour"));
        const Seen fresh = seen();
        QVERIFY(!window->isWindowModified());
        chooseBackground(0x000000FF);
        const Seen coloured = seen();
        QVERIFY(coloured.canvas != fresh.canvas);
        dragFrame(Frame::LeftKey, QPoint(12, -9));
        // The drag chose the left key; back to the background, so that every
        // picture is taken in the same view (wallpaper hidden).
        selectTopItem(QStringLiteral("Background colour"));
        const Seen dragged = seen();
        const SkinRect moved = session().model().edited().getRect(658);
        QCOMPARE(session().model().edited().getRect(651), moved); // state 2 with state 0
        QVERIFY(dragged.canvas != coloured.canvas);
        QVERIFY(window->isWindowModified());
        QVERIFY(window->commandAction(MainWindow::commandUndo)->text().contains(QStringLiteral("Left key")));

        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(seen() == coloured);
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(seen() == fresh);
        QVERIFY(!window->isWindowModified());
        QVERIFY(!window->commandAction(MainWindow::commandUndo)->isEnabled());

        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QVERIFY(seen() == coloured);
        press(Qt::CTRL | Qt::Key_Y);
        QVERIFY(seen() == dragged);
        QVERIFY(window->isWindowModified());
    }

    // At 4x a click on the operator name (where nothing lies over it) selects
    // it in the tree and outlines it; the arrows nudge it by a canvas pixel,
    // Shift and an arrow by ten, and the nudges are one undo step; a drag of
    // its box is another, one step however many moves it takes.
    void clickSelectsNudgesAndDragsInTheZoomedPreview()
    {
        // Ctrl and the mouse wheel zoom as the View menu does.
        ElementPage& page = elements();
        window->setZoom(3);
        QWheelEvent wheel(QPointF(50, 50), page.preview().mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&page.preview(), &wheel);
        QCOMPARE(page.zoom(), 4);
        QCOMPARE(window->zoom(), 4);
        const SkinRect placed = session().model().getRect(570);
        ScreenPreview& preview = page.preview();
        const QPoint pixel(10, 25); // inside the operator name, under no other element
        const QPoint onPreview = ScreenPreview::placeOf(QRect(pixel, QSize(1, 1)), 4).topLeft() + QPoint(2, 1);
        page.previewPane().scrollArea().ensureVisible(onPreview.x(), onPreview.y());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, preview.mapTo(window.get(), onPreview));
        QCOMPARE(page.kind(), idlescreen::ElementKind::OperatorName);
        QCOMPARE(page.tree().currentItem()->text(0), QStringLiteral("Operator name"));
        QCOMPARE(preview.selectionOutline(), std::optional<QRect>(QRect(placed.left, placed.top, placed.right - placed.left,
                                                                        placed.bottom - placed.top)));
        QVERIFY(preview.hasFocus());
        QVERIFY(!session().isModified()); // a click writes nothing

        const int steps = session().undoStack().count();
        QTest::keyClick(&preview, Qt::Key_Right);
        QTest::keyClick(&preview, Qt::Key_Right);
        QTest::keyClick(&preview, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&preview, Qt::Key_Up);
        const auto movedBy = [&placed](int dx, int dy) {
            return SkinRect{placed.left + dx, placed.top + dy, placed.right + dx, placed.bottom + dy};
        };
        QCOMPARE(session().model().getRect(570), movedBy(2, 9));
        QCOMPARE(page.panel().values().position, movedBy(2, 9));
        QCOMPARE(session().undoStack().count(), steps + 1);
        press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(session().model().getRect(570), placed);
        QVERIFY(!session().isModified());
        // Tab leaves the preview: the tree, then the panel.
        QTest::keyClick(&preview, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &page.tree());
        QTest::keyClick(&page.tree(), Qt::Key_Tab);
        QVERIFY(page.panel().isAncestorOf(QApplication::focusWidget()));

        // The box is dragged as a frame: the canvas pixel taken hold of
        // (7, 5 inside it) stays under the pointer, which moves in steps
        // smaller and larger than a canvas pixel, once past the screen's
        // left edge, where the box stops.
        TextBox& box = page.textBox(idlescreen::TextSlot::OperatorName);
        const QPoint grabbed = box.pos() + QPoint(4 * 7 + 3, 4 * 5 + 1); // on the preview
        QTest::mousePress(&box, Qt::LeftButton, {}, grabbed - box.pos());
        for (const QPoint by : {QPoint(-1, 1), QPoint(-9, 4), QPoint(-4 * 10, 4 * 3), QPoint(-4 * 3 - 3, 4 * 3 + 3),
                                QPoint(-4 * 3, 4 * 3)}) {
            QTest::mouseMove(&box, grabbed + by - box.pos());
            QVERIFY(session().model().getRect(570).left >= 0);
        }
        QTest::mouseRelease(&box, Qt::LeftButton, {}, grabbed + QPoint(-4 * 3, 4 * 3) - box.pos());
        QCOMPARE(session().model().getRect(570), movedBy(-3, 3));
        QCOMPARE(session().undoStack().count(), steps + 1);
        press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(session().model().getRect(570), placed);
    }

    // Files dragged from outside onto the preview go where they went before
    // it was enlarged: whatever lies under the pointer (a frame, a text's box,
    // the bare screen) at 1x, 3x and 8x, a skin file reaches the window,
    // which opens it; a picture file is taken by nothing there.
    void filesDroppedOnTheZoomedPreviewReachTheWindow()
    {
        QVERIFY(session().save(QFile::encodeName(workspace->path(QStringLiteral("base.ski"))).toStdString())
                == SaveResult::Saved);
        workspace->writeFile(QStringLiteral("picture.png"), "PNG");
        // The drag as the platform delivers it: to the window, at a point of it.
        const auto drop = [this](const QString& file, QPoint at) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(workspace->path(file))});
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window->windowHandle(), &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window->windowHandle(), &dropped);
            QCoreApplication::processEvents();
            return dropped.isAccepted();
        };
        int opened = 0;
        for (const int zoom : {1, 3, 8}) {
            window->setZoom(zoom);
            for (const char* target : {"frame", "box", "screen"}) {
                ElementPage& page = elements();
                QCOMPARE(page.zoom(), zoom);
                // Places on the preview; the first that shows the target is taken.
                QWidget* under = &page.preview();
                QList<QPoint> places{ScreenPreview::placeOf(QRect(150, 100, 1, 1), zoom).center()};
                if (target == QByteArrayView("frame")) {
                    PreviewFrame& frame = page.frame(Frame::CentreKey);
                    under = &frame;
                    places.clear();
                    for (const QRect& part : frame.mask())
                        places << frame.pos() + part.center();
                } else if (target == QByteArrayView("box")) {
                    under = &page.textBox(idlescreen::TextSlot::OperatorName);
                    places = {ScreenPreview::placeOf(QRect(10, 25, 1, 1), zoom).center()}; // under no other element
                }
                QPoint at;
                for (const QPoint place : places) {
                    page.previewPane().scrollArea().ensureVisible(place.x(), place.y());
                    at = page.preview().mapTo(window.get(), place);
                    if (window->childAt(at) == under)
                        break;
                }
                const QByteArray name = QByteArray(target) + " at " + QByteArray::number(zoom);
                QVERIFY2(window->childAt(at) == under, name);

                QVERIFY2(!drop(QStringLiteral("picture.png"), at), name);
                const QString skin = QStringLiteral("dropped%1.ski").arg(++opened);
                QVERIFY(QFile::copy(workspace->path(QStringLiteral("base.ski")), workspace->path(skin)));
                QVERIFY2(drop(skin, at), name);
                QTRY_COMPARE(QString::fromStdString(window->skinModel().edited().path()), workspace->path(skin));
                QVERIFY(dialogs->messages.empty());
            }
        }
    }

    void unsavedChangesAreAskedFor_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        for (const auto& [name, command] : {std::pair {"exit", MainWindow::commandExit},
                                            std::pair {"new", MainWindow::commandNew},
                                            std::pair {"open", MainWindow::commandOpen}}) {
            for (const auto& [answerName, answer] :
                 {std::pair {"cancel", DialogService::Answer::Cancel}, std::pair {"discard", DialogService::Answer::Discard},
                  std::pair {"save", DialogService::Answer::Save}})
                QTest::addRow("%s, %s", name, answerName) << int(command) << int(answer);
        }
    }

    // Exit, New and Open ask before a changed skin goes: Cancel keeps the
    // window and the skin, Discard goes on without writing, Save writes first.
    void unsavedChangesAreAskedFor()
    {
        QFETCH(int, command);
        QFETCH(int, answer);
        workspace->writeFile(QStringLiteral("other.ski"), "SKI1\n2 500 4\n");
        chooseBackground(0x0000FF00);
        const auto edited = session().model().edited().lines();
        dialogs->messageAnswers.push_back(DialogService::Answer(answer));
        const QString saved = workspace->path(QStringLiteral("saved.ski"));
        if (DialogService::Answer(answer) == DialogService::Answer::Save)
            dialogs->fileAnswers.push_back(saved);
        if (MainWindow::Command(command) == MainWindow::commandOpen)
            dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("other.ski")));

        window->commandAction(MainWindow::Command(command))->trigger();
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Save changes to New skin?")}));
        QCOMPARE(dialogs->messages[0].buttons, DialogService::Buttons::SaveDiscardCancel);

        switch (DialogService::Answer(answer)) {
        case DialogService::Answer::Cancel:
            QVERIFY(window->isVisible());
            QCOMPARE(session().model().edited().lines(), edited);
            QVERIFY(window->isWindowModified());
            QVERIFY(!QFile::exists(saved));
            return;
        case DialogService::Answer::Save:
            QVERIFY(QFile::exists(saved));
            QVERIFY(workspace->readFile(QStringLiteral("saved.ski")).startsWith("SKI1\n0 41 98\n4 0 255 0 0\n"));
            break;
        default:
            QVERIFY(!QFile::exists(saved));
            break;
        }
        // The command went on.
        if (MainWindow::Command(command) == MainWindow::commandExit)
            QVERIFY(!window->isVisible());
        else if (MainWindow::Command(command) == MainWindow::commandOpen)
            QCOMPARE(session().model().getNumber(500), 4);
        else
            QVERIFY(session().model().edited().lines() != edited);
        QVERIFY(!window->isWindowModified() || MainWindow::Command(command) == MainWindow::commandExit);
    }

    // A Replace on the images page shows at once in its row ("Dat", bold)
    // and in the element page's preview; undo takes both back.
    void replaceShowsEverywhereAtOnce()
    {
        const QImage before = elements().canvas().image();
        window->tabWidget()->setCurrentIndex(1);
        ImagesPage& images = *window->imagesPage();
        auto* list = images.findChild<QTableWidget*>(QStringLiteral("pictureList"));
        const auto& ids = images.pictureIds();
        const int row = int(std::find(ids.begin(), ids.end(), 630) - ids.begin());
        QVERIFY(row < list->rowCount());
        list->selectRow(row);
        std::vector<std::uint8_t> original;
        QVERIFY(session().model().getPicture(630, original) > 0);
        const QImage shape = QImage::fromData(original.data(), int(original.size()));
        const std::vector<std::uint8_t> red = GifBuilder(shape.width(), shape.height())
                                                  .add(GifBuilder::frame(0, 0, shape.width(), shape.height(), 0))
                                                  .build();
        workspace->writeFile(QStringLiteral("red.gif"), QByteArray(reinterpret_cast<const char*>(red.data()), int(red.size())));
        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("red.gif")));
        QTest::mouseClick(images.findChild<QPushButton*>(QStringLiteral("replace")), Qt::LeftButton);
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(list->item(row, 1)->text(), QStringLiteral("0"));
        QVERIFY(list->item(row, 0)->font().bold());
        QVERIFY(elements().canvas().image() != before);

        press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(list->item(row, 1)->text(), QStringLiteral("Default"));
        QVERIFY(!list->item(row, 0)->font().bold());
        QCOMPARE(elements().canvas().image(), before);
    }

    // A wallpaper chosen in the editor is shown, checked and saved from its
    // bytes: Refresh keeps it, the check does not miss it, Save As writes it.
    void chosenWallpaperLivesOnItsBytes()
    {
        const std::vector<std::uint8_t> wall =
            GifBuilder(176, 220).add(GifBuilder::frame(0, 0, 176, 220, 2)).build();
        workspace->writeFile(QStringLiteral("pictures/wall.gif"),
                             QByteArray(reinterpret_cast<const char*>(wall.data()), int(wall.size())));
        selectTopItem(QStringLiteral("Wallpaper"));
        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("pictures/wall.gif")));
        QTest::mouseClick(elements().findChild<QPushButton*>(QStringLiteral("picture")), Qt::LeftButton);
        const QImage chosen = elements().canvas().image();
        QCOMPARE(chosen.pixel(100, 150), qRgb(0, 0, 255));

        window->commandAction(MainWindow::commandRefresh)->trigger();
        selectTopItem(QStringLiteral("Wallpaper"));
        QCOMPARE(elements().canvas().image(), chosen);
        window->commandAction(MainWindow::commandCheckSkin)->trigger();
        QVERIFY(dialogs->lists.empty()); // nothing found: a message says so
        QCOMPARE(dialogs->messages.size(), std::size_t(1));

        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("out/new.ski")));
        QVERIFY(QDir().mkpath(workspace->path(QStringLiteral("out"))));
        window->commandAction(MainWindow::commandSaveAs)->trigger();
        QCOMPARE(workspace->readFile(QStringLiteral("out/wall.gif")),
                 QByteArray(reinterpret_cast<const char*>(wall.data()), int(wall.size())));
    }

    // Another language keeps the skin, its history and its modified state;
    // the edits' names follow the language.
    void languageChangeKeepsTheSkinAndItsHistory()
    {
        chooseBackground(0x00FF0000);
        const auto edited = session().model().edited().lines();
        dialogs->listAnswers.push_back(QStringLiteral("Deutsch.lng"));
        window->commandAction(MainWindow::commandLanguage)->trigger();
        QCOMPARE(session().model().edited().lines(), edited);
        QVERIFY(window->isWindowModified());
        QCOMPARE(window->commandAction(MainWindow::commandUndo)->text(),
                 QStringLiteral("&Rückgängig Farbe von Hintergrundfarbe"));
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(!window->isWindowModified());
    }
};

QTEST_MAIN(EditingSessionTest)
#include "EditingSessionTest.moc"
