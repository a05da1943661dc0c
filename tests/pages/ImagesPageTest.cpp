// The images page and its import dialog, on the real page inside the main
// window, offscreen, with every question answered by ScriptedDialogs.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/MainWindow.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "pages/PictureImportDialog.h"
#include "widgets/AnimatedPicture.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

QByteArray asBytes(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A still GIF of one colour (index into red, green, blue, white).
QByteArray stillGif(int width, int height, std::uint8_t colour)
{
    return asBytes(GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, colour)).build());
}

// Red for a third of a second, then green for five seconds.
QByteArray animatedGif()
{
    return asBytes(GifBuilder(8, 8)
                       .add(GifBuilder::frame(0, 0, 8, 8, 0, 30))
                       .add(GifBuilder::frame(0, 0, 8, 8, 1, 500))
                       .build());
}

// Two small frames in the corners of an 8 x 8 screen, a tenth of a second
// each: the rest of the screen shows what every round starts on.
QByteArray blinkingGif()
{
    return asBytes(GifBuilder(8, 8)
                       .add(GifBuilder::frame(0, 0, 4, 4, 0, 0))
                       .add(GifBuilder::frame(4, 4, 4, 4, 1, 0))
                       .build());
}

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;

// The default skin's pictures, in the order of its lines: 7 (the analog
// clock's face) appears twice, 652 (the left key's state 2) shares the bytes
// of 630 (its state 0), 12345 has five digits, 903 and 954 play, the three
// bytes of 77 do not decode. The idle screen shows 630, 652 and 7; the
// others keep names made of their numbers.
struct DefaultPictures {
    QByteArray seven = stillGif(4, 3, 0);
    QByteArray sixThirty = stillGif(5, 5, 1);
    QByteArray fiveDigits = stillGif(6, 2, 2);
    QByteArray animated = animatedGif();
    QByteArray blinking = blinkingGif();
};

const QStringList defaultRowNames = {
    QStringLiteral("630 Left key, state 0"), QStringLiteral("7 Analog clock"), QStringLiteral("Image_12345"),
    QStringLiteral("652 Left key, state 2"), QStringLiteral("Image_0903"), QStringLiteral("7 Analog clock"),
    QStringLiteral("Image_0954"), QStringLiteral("Image_0077"),
};
// The size a picture of its own must have: the default picture's.
const QStringList defaultSizes = {
    QStringLiteral("5 x 5"), QStringLiteral("4 x 3"), QStringLiteral("6 x 2"), QStringLiteral("5 x 5"),
    QStringLiteral("8 x 8"), QStringLiteral("4 x 3"), QStringLiteral("8 x 8"), QString(),
};
constexpr int row630 = 0;
constexpr int row7 = 1;
constexpr int row12345 = 2;
constexpr int rowAnimated = 4;
constexpr int rowBlinking = 6;
constexpr int rowUndecodable = 7;

QString text13() { return QStringLiteral("The new picture must have the same size as the default picture."); }
QString sizes(int width, int height, int defaultWidth, int defaultHeight)
{
    return QStringLiteral("The picture is %1 x %2 pixels; the default picture is %3 x %4.")
        .arg(width).arg(height).arg(defaultWidth).arg(defaultHeight);
}
QString cannotOpenAsPicture() { return QStringLiteral("Can't open the file as a picture."); }

// A picture file in another format than GIF.
QByteArray pictureFile(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 5 x 5 key picture in three colours whose top left pixel is transparent.
QImage keyPicture()
{
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(qRgb(200, 30, 40));
    image.setPixel(4, 4, qRgb(10, 20, 250));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return image;
}

// Drags the files over target and drops them at place, as a file manager
// does; the drop's work follows once the events are processed. False when
// nothing took the drag.
bool dropFiles(QWidget* target, const QStringList& paths, QPoint place)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(place), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

QRgb previewPixel(ImagesPage& page)
{
    const QImage shown = page.preview().snapshot();
    return shown.isNull() ? 0 : shown.pixel(0, 0);
}

} // namespace

class ImagesPageTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> window;
    DefaultPictures pictures;

    void writeDefaultSkin()
    {
        const QByteArray data =
            pictures.seven + pictures.sixThirty + pictures.fiveDigits + pictures.animated + pictures.blinking + "xyz";
        const auto record = [](int id, qsizetype offset, qsizetype size) {
            return QByteArray("5 ") + QByteArray::number(id) + ' ' + QByteArray::number(offset) + ' ' +
                   QByteArray::number(size) + " 0\n";
        };
        const qsizetype at630 = pictures.seven.size();
        const qsizetype at12345 = at630 + pictures.sixThirty.size();
        const qsizetype at903 = at12345 + pictures.fiveDigits.size();
        const qsizetype at954 = at903 + pictures.animated.size();
        QByteArray ski = TestWorkspace::defaultSkinBytes();
        ski += record(630, at630, pictures.sixThirty.size()) + record(7, 0, pictures.seven.size()) +
               record(12345, at12345, pictures.fiveDigits.size()) + record(652, at630, pictures.sixThirty.size()) +
               record(903, at903, pictures.animated.size()) + record(7, 0, pictures.seven.size()) +
               record(954, at954, pictures.blinking.size()) +
               record(77, at954 + pictures.blinking.size(), 3);
        workspace->writeFile(QStringLiteral("Default/Vela/Vela.ski"), ski);
        workspace->writeFile(QStringLiteral("Default/Vela/Vela.dat"), data);
    }

    SkinModel& model() { return window->skinSession().modelForEdit(); }
    ImagesPage& page() { return *window->imagesPage(); }
    QTableWidget* list() { return page().findChild<QTableWidget*>(QStringLiteral("pictureList")); }
    QString field(const char* name) { return page().findChild<QLineEdit*>(QLatin1String(name))->text(); }
    QStringList column(int index)
    {
        QStringList texts;
        for (int row = 0; row < list()->rowCount(); ++row)
            texts << list()->item(row, index)->text();
        return texts;
    }
    // The rows shown in bold, both of their cells alike.
    std::vector<int> boldRows()
    {
        std::vector<int> rows;
        for (int row = 0; row < list()->rowCount(); ++row) {
            const bool bold = list()->item(row, 0)->font().bold();
            if (list()->item(row, 1)->font().bold() != bold)
                return {-1};
            if (bold)
                rows.push_back(row);
        }
        return rows;
    }
    void click(const char* button) { QTest::mouseClick(page().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect place = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, place.center());
    }
    void trigger(MainWindow::Command command) { window->commandAction(command)->trigger(); }
    // The images tab, shown as the user sees it after choosing it.
    void showImagesTab()
    {
        window->tabWidget()->setCurrentIndex(1);
        QVERIFY(page().isVisible());
    }
    void showElementsTab() { window->tabWidget()->setCurrentIndex(0); }
    QPoint rowCentre(int row) { return list()->visualRect(list()->model()->index(row, 0)).center(); }
    void storeOwn(ElementId id, const QByteArray& bytes)
    {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        QVERIFY(editedSkin(model()).setPicture(id, std::span(data, std::size_t(bytes.size()))));
    }
    QByteArray ownPicture(ElementId id)
    {
        std::vector<std::uint8_t> bytes;
        return editedSkin(model()).getPicture(id, bytes) < 0 ? QByteArray() : asBytes(bytes);
    }

private slots:
    void init()
    {
        startSession();
        workspace->addShippedLanguages();
        writeDefaultSkin();
        window = std::make_unique<MainWindow>();
        QVERIFY(window->initialise());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        trigger(MainWindow::commandNew);
        showImagesTab();
    }
    void cleanup()
    {
        window.reset();
        endSession();
    }

    void listsEveryDefaultPictureInLineOrder()
    {
        QCOMPARE(page().pictureIds(), std::vector<ElementId>({630, 7, 12345, 652, 903, 7, 954, 77}));
        QCOMPARE(column(0), defaultRowNames);
        QCOMPARE(column(1), QStringList(8, QStringLiteral("Default")));
        QCOMPARE(column(2), defaultSizes);
        QCOMPARE(boldRows(), std::vector<int>());
        QCOMPARE(list()->horizontalHeaderItem(0)->text(), QStringLiteral("Picture"));
        QCOMPARE(list()->horizontalHeaderItem(1)->text(), QStringLiteral("Dat"));
        QCOMPARE(list()->horizontalHeaderItem(2)->text(), QStringLiteral("Size"));
        QVERIFY(!list()->horizontalHeader()->sectionsClickable());
        // Names are not cut short.
        QVERIFY(list()->columnWidth(0) >= list()->fontMetrics().horizontalAdvance(defaultRowNames[0]) + 32);
        QVERIFY(list()->showGrid());
        QCOMPARE(page().selectedIndex(), -1);
        QVERIFY(field("width").isEmpty());
        QVERIFY(dialogs->messages.empty());
    }

    void oneSelectedRowIsShownAndSeveralKeepTheLastOne()
    {
        clickRow(row7);
        QCOMPARE(page().selectedIndex(), row7);
        QCOMPARE(field("width"), QStringLiteral("4"));
        QCOMPARE(field("height"), QStringLiteral("3"));
        QCOMPARE(field("bytes"), QString::number(pictures.seven.size()));
        QCOMPARE(previewPixel(page()), red);
        QCOMPARE(page().preview().size(), QSize(4, 3));

        clickRow(row630, Qt::ControlModifier);
        QCOMPARE(list()->selectionModel()->selectedRows().size(), 2);
        QCOMPARE(page().selectedIndex(), row7);
        QCOMPARE(field("width"), QStringLiteral("4"));
        click("replace");
        QCOMPARE(dialogs->messageTexts(), QStringList({QStringLiteral("Only one picture can be replaced at a time.")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Exclamation);
        QVERIFY(dialogs->questions.empty());

        // A chosen background colour is the preview area's and the picture's.
        dialogs->colourAnswers.push_back(0x00FF00u); // green, laid out 0x00BBGGRR
        click("background");
        const auto* frame = page().findChild<QFrame*>(QStringLiteral("previewFrame"));
        QCOMPARE(frame->palette().color(QPalette::Window).rgb(), green);
        QCOMPARE(page().preview().backgroundColour(), 0x00FF00u);
        QCOMPARE(previewPixel(page()), red); // the picture itself, drawn again over it

        // A picture that does not decode is not shown under the last one's figures.
        clickRow(rowUndecodable);
        QCOMPARE(page().selectedIndex(), rowUndecodable);
        QVERIFY(page().preview().snapshot().isNull());
        QCOMPARE(QStringList({field("width"), field("height"), field("bytes")}),
                 QStringList({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("3")}));
        dialogs->messages.clear();
        workspace->writeFile(QStringLiteral("seven.gif"), stillGif(4, 3, 2));
        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("seven.gif")));
        click("replace");
        QCOMPARE(dialogs->messageTexts(), QStringList({text13()}));
        QVERIFY(ownPicture(77).isEmpty());
    }

    void replaceRefusesWhatDoesNotFitAndStoresWhatDoes()
    {
        clickRow(row630);
        const QString missing = workspace->path(QStringLiteral("missing.gif"));
        workspace->writeFile(QStringLiteral("garbage.gif"), "GIF89a not really");
        workspace->writeFile(QStringLiteral("small.gif"), stillGif(5, 4, 2));
        const QByteArray fitting = stillGif(5, 5, 2);
        workspace->writeFile(QStringLiteral("fits.gif"), fitting);

        struct Case {
            QString file;
            QStringList messages;
        };
        const Case cases[] = {
            {QString(), {}},
            {missing, {QStringLiteral("No such file or directory"), cannotOpenAsPicture()}},
            {workspace->path(QStringLiteral("garbage.gif")), {cannotOpenAsPicture()}},
            {workspace->path(QStringLiteral("small.gif")), {text13() + QLatin1Char('\n') + sizes(5, 4, 5, 5)}},
        };
        for (const Case& c : cases) {
            dialogs->messages.clear();
            dialogs->fileAnswers.push_back(c.file);
            click("replace");
            QCOMPARE(dialogs->messageTexts(), c.messages);
            if (!c.messages.isEmpty())
                QCOMPARE(dialogs->messages.back().icon, DialogService::Icon::Error);
            QVERIFY(ownPicture(630).isEmpty());
        }
        QCOMPARE(dialogs->questions.front().details,
                 QStringList({QStringLiteral("Pictures (*.gif *.png *.bmp *.jpg *.jpeg)"),
                              QStringLiteral("gif files (*.gif)"), QStringLiteral("png files (*.png)"),
                              QStringLiteral("bmp files (*.bmp)"), QStringLiteral("jpg files (*.jpg)"),
                              QStringLiteral("jpeg files (*.jpeg)"), QStringLiteral("gif")}));

        dialogs->messages.clear();
        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("fits.gif")));
        click("replace");
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(ownPicture(630), fitting);
        QCOMPARE(previewPixel(page()), blue);
        // "Dat" and the mark follow at once.
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        QCOMPARE(boldRows(), std::vector<int>({row630}));
        // The element page marks the key whose picture changed.
        showElementsTab();
        ElementPage& elements = *window->elementPage();
        const auto leftKeyState0 = [&elements] {
            QTreeWidgetItem* leftKey = elements.tree().topLevelItem(5)->child(1);
            return leftKey->child(0)->font(0).bold() && leftKey->font(0).bold() && !leftKey->child(1)->font(0).bold();
        };
        QCOMPARE(elements.tree().topLevelItem(5)->child(1)->text(0), QStringLiteral("Left key"));
        QVERIFY(leftKeyState0());
        showImagesTab();
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        QCOMPARE(boldRows(), std::vector<int>({row630}));
        QCOMPARE(page().selectedIndex(), row630);
        QCOMPARE(list()->selectionModel()->selectedRows().size(), 1);
    }

    void giveBackRestoresSameSizedPicturesAndNamesTheOthers()
    {
        storeOwn(7, stillGif(4, 3, 2));
        const QByteArray otherSize = stillGif(3, 3, 2);
        storeOwn(630, otherSize);
        // Two records of 12345, as a skin written by another tool may hold: only the first is read.
        storeOwn(12345, stillGif(6, 2, 1));
        const QByteArray second = stillGif(6, 2, 0);
        const std::int64_t at = editedSkin(model()).pictureData().append(
            0, std::span(reinterpret_cast<const std::uint8_t*>(second.constData()), std::size_t(second.size()))).value_or(-1);
        editedSkin(model()).appendLine("5 12345 " + std::to_string(at) + " " + std::to_string(second.size()) + " 0\n");
        showElementsTab();
        showImagesTab();
        QCOMPARE(column(1).mid(0, 3), QStringList({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
        QCOMPARE(boldRows(), std::vector<int>({row630, row7, row12345, 5}));

        clickRow(row630);
        clickRow(row7, Qt::ControlModifier);
        clickRow(row12345, Qt::ControlModifier);
        clickRow(5, Qt::ControlModifier); // 7 again
        click("giveBack");
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("630 Left key, state 0\ndiffers in size from the default picture and was not restored.")}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
        QVERIFY(ownPicture(7).isEmpty());
        QVERIFY(ownPicture(12345).isEmpty()); // both of its records, with their bytes
        QCOMPARE(ownPicture(630), otherSize);
        QCOMPARE(editedSkin(model()).dataSize(0), std::uint32_t(otherSize.size()));
        QCOMPARE(list()->item(row7, 1)->text(), QStringLiteral("Default"));
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        // Picture 7's second row, skipped as given back already, no longer claims it.
        QCOMPARE(list()->item(5, 1)->text(), QStringLiteral("Default"));
        QCOMPARE(boldRows(), std::vector<int>({row630}));
        QCOMPARE(previewPixel(page()), blue); // the restored 12345, shown from the default skin

        // Just replaced, "Dat" says so at once; the picture is given back again.
        clickRow(row12345);
        workspace->writeFile(QStringLiteral("other.gif"), stillGif(6, 2, 0));
        dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("other.gif")));
        click("replace");
        QVERIFY(!ownPicture(12345).isEmpty());
        QCOMPARE(list()->item(row12345, 1)->text(), QStringLiteral("0"));
        click("giveBack");
        QVERIFY(ownPicture(12345).isEmpty());
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
    }

    void exportWritesOneFilePerSelectedRowAndNamesTheFailures()
    {
        const QString folder = workspace->path(QStringLiteral("out"));
        workspace->writeFile(QStringLiteral("out/7.gif"), "an older file");
        clickRow(row630);
        clickRow(row7, Qt::ControlModifier);
        clickRow(row12345, Qt::ControlModifier);
        dialogs->folderAnswers.push_back(folder);
        click("export");
        QVERIFY(dialogs->messages.empty());
        QCOMPARE(workspace->readFile(QStringLiteral("out/630.gif")), pictures.sixThirty);
        QCOMPARE(workspace->readFile(QStringLiteral("out/7.gif")), pictures.seven);
        QCOMPARE(workspace->readFile(QStringLiteral("out/12345.gif")), pictures.fiveDigits);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("3 pictures exported to ") + QDir::toNativeSeparators(folder));

        // One picture goes to a file the user names: as stored, or converted to PNG.
        clickRow(row630);
        for (const QString& name : {QStringLiteral("one.gif"), QStringLiteral("one.png")}) {
            dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("out/") + name));
            click("export");
            QCOMPARE(dialogs->questions.back().details,
                     QStringList({QStringLiteral("gif files (*.gif)"), QStringLiteral("png files (*.png)"),
                                  QStringLiteral("gif")}));
            QCOMPARE(window->statusBar()->currentMessage(),
                     QStringLiteral("Picture exported to ") + QDir::toNativeSeparators(workspace->path(QStringLiteral("out/") + name)));
        }
        QCOMPARE(workspace->readFile(QStringLiteral("out/one.gif")), pictures.sixThirty);
        const QImage png = QImage::fromData(workspace->readFile(QStringLiteral("out/one.png")), "PNG");
        QCOMPARE(png.size(), QSize(5, 5));
        QCOMPARE(png.pixel(2, 2), green);
        clickRow(row7, Qt::ControlModifier);
        clickRow(row12345, Qt::ControlModifier);

        // A folder in the way of one file: the others are written, the one is named.
        QVERIFY(QDir().mkpath(workspace->path(QStringLiteral("busy/630.gif"))));
        dialogs->folderAnswers.push_back(workspace->path(QStringLiteral("busy")));
        click("export");
        QCOMPARE(dialogs->messageTexts(),
                 QStringList({QStringLiteral("Can't write these picture files:\n") + workspace->path(QStringLiteral("busy/630.gif"))}));
        QCOMPARE(dialogs->messages[0].icon, DialogService::Icon::Error);
        QCOMPARE(workspace->readFile(QStringLiteral("busy/12345.gif")), pictures.fiveDigits);
        QCOMPARE(QDir(workspace->path(QStringLiteral("busy"))).entryList(QDir::Files).size(), 2); // no temporary left

        dialogs->messages.clear();
        click("export"); // no folder chosen
        QVERIFY(dialogs->messages.empty());
    }

    void importListsNumberedGifsAndTellsEachOutcome()
    {
        const QByteArray fitting = stillGif(5, 5, 2);
        workspace->writeFile(QStringLiteral("in/630.gif"), fitting);
        workspace->writeFile(QStringLiteral("in/0630.gif"), stillGif(5, 6, 2));
        workspace->writeFile(QStringLiteral("in/7.gif"), "GIF89a broken");
        workspace->writeFile(QStringLiteral("in/99.gif"), fitting);
        workspace->writeFile(QStringLiteral("in/abc.gif"), fitting);
        workspace->writeFile(QStringLiteral("in/12a.gif"), fitting);
        QVERIFY(QDir().mkpath(workspace->path(QStringLiteral("in/5.gif"))));

        dialogs->folderAnswers.push_back(workspace->path(QStringLiteral("in")));
        click("import");
        auto* dialog = page().findChild<PictureImportDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Import pictures"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancel"));
        QCOMPARE(ok->text(), QStringLiteral("Replace"));
        QCOMPARE(cancel->text(), QStringLiteral("Close"));
        QCOMPARE(dialog->entries(), QStringList({QStringLiteral("0630.gif"), QStringLiteral("630.gif"),
                                                 QStringLiteral("7.gif"), QStringLiteral("99.gif")}));

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog->entries(),
                 QStringList({QStringLiteral("0630.gif - ERROR - ") + text13() + QLatin1Char(' ') + sizes(5, 6, 5, 5),
                              QStringLiteral("630.gif - OK"), QStringLiteral("7.gif - ERROR - Can't read the picture file."),
                              QStringLiteral("99.gif - ERROR - no default picture")}));
        QVERIFY(!ok->isEnabled());
        QVERIFY(dialog->isVisible());
        QCOMPARE(ownPicture(630), fitting);
        QVERIFY(ownPicture(7).isEmpty());
        QVERIFY(ownPicture(99).isEmpty());
        QVERIFY(dialogs->messages.empty());
        const auto* lines = dialog->findChild<QListWidget*>(QStringLiteral("files"));
        QCOMPARE(lines->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

        // The page's list follows at once.
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        const QPointer<PictureImportDialog> closing = dialog;
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTRY_VERIFY(!closing);
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        QCOMPARE(boldRows(), std::vector<int>({row630}));
    }

    void importOfAFolderWithoutCandidatesCannotBeConfirmed()
    {
        QVERIFY(QDir().mkpath(workspace->path(QStringLiteral("empty/5.gif"))));
        workspace->writeFile(QStringLiteral("empty/abc.gif"), stillGif(5, 5, 2));
        dialogs->folderAnswers.push_back(workspace->path(QStringLiteral("empty")));
        click("import");
        auto* dialog = page().findChild<PictureImportDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->entries().isEmpty());
        QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("ok"))->isEnabled());
        dialog->reject();

        // Without a folder the list is rebuilt at once.
        QTRY_VERIFY(!page().findChild<PictureImportDialog*>());
        storeOwn(7, stillGif(4, 3, 2));
        click("import");
        QCOMPARE(list()->item(row7, 1)->text(), QStringLiteral("0"));
    }

    // One picture file dropped on a row replaces that row's picture, converted
    // to GIF; several files, or a folder, are imported by their numbers with
    // the dialog's verdicts. Every drop is one edit, undone as one.
    void droppedFilesReplaceTheirRowOrAreImportedAsOneEdit()
    {
        workspace->writeFile(QStringLiteral("drop/key.png"), pictureFile(keyPicture(), "PNG"));
        workspace->writeFile(QStringLiteral("drop/big.png"), pictureFile(keyPicture().scaled(6, 6), "PNG"));
        QVERIFY(dropFiles(list()->viewport(), {workspace->path(QStringLiteral("drop/key.png"))}, rowCentre(row630)));
        QCOMPARE(page().selectedIndex(), row630);
        const QByteArray stored = ownPicture(630);
        QVERIFY(stored.startsWith("GIF89a"));
        const QImage shown = QImage::fromData(stored).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.pixel(0, 0), 0u);
        QCOMPARE(shown.pixel(2, 2), qRgb(200, 30, 40));
        QCOMPARE(shown.pixel(4, 4), qRgb(10, 20, 250));
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("0"));
        trigger(MainWindow::commandUndo);
        QVERIFY(ownPicture(630).isEmpty());
        QCOMPARE(list()->item(row630, 1)->text(), QStringLiteral("Default"));

        // On the preview: the picture shown; one of another size is refused with both sizes.
        clickRow(row7);
        QVERIFY(dropFiles(page().findChild<QFrame*>(QStringLiteral("previewFrame")),
                          {workspace->path(QStringLiteral("drop/big.png"))}, QPoint(5, 5)));
        QCOMPARE(dialogs->messageTexts(), QStringList({text13() + QLatin1Char('\n') + sizes(6, 6, 4, 3)}));
        QVERIFY(ownPicture(7).isEmpty());

        workspace->writeFile(QStringLiteral("many/630.png"), pictureFile(keyPicture(), "PNG"));
        workspace->writeFile(QStringLiteral("many/0007.bmp"), pictureFile(keyPicture().copy(0, 0, 4, 3), "BMP"));
        workspace->writeFile(QStringLiteral("many/9999.gif"), stillGif(4, 3, 0));
        workspace->writeFile(QStringLiteral("many/notes.txt"), "not a picture");
        const QStringList verdicts = {QStringLiteral("0007.bmp - OK"), QStringLiteral("630.png - OK"),
                                      QStringLiteral("9999.gif - ERROR - no default picture")};
        const QString many = workspace->path(QStringLiteral("many"));
        const QStringList drops[] = {{many},
                                     {many + QStringLiteral("/0007.bmp"), many + QStringLiteral("/630.png"),
                                      many + QStringLiteral("/9999.gif"), many + QStringLiteral("/notes.txt")}};
        for (const QStringList& dropped : drops) {
            const int steps = window->skinSession().undoStack().index();
            QVERIFY(dropFiles(list()->viewport(), dropped, rowCentre(rowAnimated)));
            auto* dialog = page().findChild<PictureImportDialog*>();
            QVERIFY(dialog);
            QCOMPARE(dialog->entries(), verdicts);
            QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("ok"))->isEnabled());
            QVERIFY(!ownPicture(630).isEmpty());
            QVERIFY(!ownPicture(7).isEmpty());
            QCOMPARE(window->skinSession().undoStack().index(), steps + 1);
            dialog->close();
            QTRY_VERIFY(!page().findChild<PictureImportDialog*>());
            trigger(MainWindow::commandUndo);
            QVERIFY(ownPicture(630).isEmpty());
            QVERIFY(ownPicture(7).isEmpty());
        }

        // A skin file goes on to the window, which opens it once the changes may go.
        workspace->writeFile(QStringLiteral("dropped.ski"), "SKI1\n");
        trigger(MainWindow::commandRedo);
        dialogs->messageAnswers.push_back(DialogService::Answer::Discard);
        QVERIFY(dropFiles(list()->viewport(), {workspace->path(QStringLiteral("dropped.ski"))}, rowCentre(row630)));
        QTRY_COMPARE(QString::fromStdString(window->skinModel().edited().path()),
                     workspace->path(QStringLiteral("dropped.ski")));
        QCOMPARE(dialogs->messages.back().buttons, DialogService::Buttons::SaveDiscardCancel);
    }

    // Rows are named after where the picture shows, in the user's language;
    // the filter box keeps the rows whose name or number holds its text.
    void rowsAreNamedInTheUsersLanguageAndTheFilterNarrowsThem()
    {
        auto* filter = page().findChild<QLineEdit*>(QStringLiteral("filter"));
        const auto shownRows = [this] {
            std::vector<int> rows;
            for (int row = 0; row < list()->rowCount(); ++row)
                if (!list()->isRowHidden(row))
                    rows.push_back(row);
            return rows;
        };
        clickRow(row12345);
        const std::pair<QString, std::vector<int>> filters[] = {
            {QStringLiteral("LEFT"), {row630, 3}},
            {QStringLiteral("clock"), {row7, 5}},
            {QStringLiteral("95"), {rowBlinking}},
            {QStringLiteral("9"), {rowAnimated, rowBlinking}},
            {QString(), {0, 1, 2, 3, 4, 5, 6, 7}},
        };
        for (const auto& [typed, rows] : filters) {
            filter->setText(typed);
            QCOMPARE(shownRows(), rows);
        }
        // A row the filter hid is no longer selected.
        QVERIFY(list()->selectionModel()->selectedRows().isEmpty());

        dialogs->listAnswers.push_back(QStringLiteral("Deutsch.lng"));
        trigger(MainWindow::commandLanguage);
        showImagesTab();
        QCOMPARE(column(0).mid(0, 4), QStringList({QStringLiteral("630 Linke Taste, Zustand 0"),
                                                   QStringLiteral("7 Analoguhr"), QStringLiteral("Image_12345"),
                                                   QStringLiteral("652 Linke Taste, Zustand 2")}));
        QCOMPARE(list()->horizontalHeaderItem(2)->text(), QStringLiteral("Größe"));
    }

    // Transparent pixels show a checkerboard, in the preview and the
    // thumbnails, until the background colour is chosen instead.
    void transparentPixelsShowACheckerboardOrTheBackgroundColour()
    {
        GifBuilder::Frame clear = GifBuilder::frame(0, 0, 8, 8, 1, 0);
        clear.transparentIndex = 1;
        storeOwn(630, asBytes(GifBuilder(8, 8).add(clear).build()));
        showElementsTab();
        showImagesTab();
        clickRow(row630);
        const auto iconPixel = [this](int x, int y) {
            return list()->item(row630, 0)->icon().pixmap(32, 32).toImage().pixel(x, y);
        };
        const auto* checkerboard = page().findChild<QRadioButton*>(QStringLiteral("checkerboard"));
        QVERIFY(checkerboard->isChecked());
        QCOMPARE(previewPixel(page()), 0xFFFFFFFFu);
        QCOMPARE(page().preview().snapshot().pixel(7, 0), 0xFFCCCCCCu);
        QCOMPARE(iconPixel(0, 0), 0xFFFFFFFFu);
        QCOMPARE(iconPixel(7, 0), 0xFFCCCCCCu);

        dialogs->colourAnswers.push_back(0x0000FFu); // red, laid out 0x00BBGGRR
        click("background");
        QVERIFY(!checkerboard->isChecked());
        QCOMPARE(previewPixel(page()), red);
        QCOMPARE(page().preview().snapshot().pixel(7, 0), red);
        QCOMPARE(iconPixel(7, 0), red);

        QTest::mouseClick(page().findChild<QRadioButton*>(QStringLiteral("checkerboard")), Qt::LeftButton);
        QCOMPARE(page().preview().snapshot().pixel(7, 0), 0xFFCCCCCCu);
    }

    void theShownAnimationPlaysAndRestartsWhenThePageIsRepainted()
    {
        clickRow(rowAnimated);
        QVERIFY(page().preview().isAnimating());
        QCOMPARE(field("width"), QStringLiteral("8"));
        QTRY_COMPARE(previewPixel(page()), green);
        // Its own repaints do not restart it: green stays for its five seconds.
        QTest::qWait(400);
        QCOMPARE(previewPixel(page()), green);
        page().update();
        QTRY_COMPARE(previewPixel(page()), red);
        QTRY_COMPARE(previewPixel(page()), green);
        // Nobody sees a hidden page: nothing plays for it.
        showElementsTab();
        QVERIFY(!page().preview().isAnimating());
    }

    void everyRoundOfAnAnimationStartsOnTheChosenBackground()
    {
        dialogs->colourAnswers.push_back(0x000000u);
        click("background");
        clickRow(rowBlinking);
        QVERIFY(page().preview().isAnimating());
        // Three rounds and more: the corner no frame covers stays black.
        for (int look = 0; look < 12; ++look) {
            QCOMPARE(page().preview().snapshot().pixel(7, 0), 0xFF000000u);
            QTest::qWait(60);
        }
    }

    // The animation thread draws into the page's preview: New, Open and
    // Refresh destroy the page while it plays, and must end the thread first
    // (ThreadSanitizer and AddressSanitizer builds check that nothing is touched late).
    void rebuildingThePagesWhileAPictureIsPlayingEndsItsThreadFirst()
    {
        workspace->writeFile(QStringLiteral("a.ski"), "SKI1\n");
        const MainWindow::Command rebuilds[] = {MainWindow::commandNew, MainWindow::commandOpen,
                                                MainWindow::commandRefresh};
        for (int round = 0; round < 3; ++round) {
            for (const MainWindow::Command command : rebuilds) {
                showImagesTab();
                clickRow(rowAnimated);
                const QPointer<AnimatedPicture> playing = &page().preview();
                QVERIFY(playing->isAnimating());
                QTest::qWait(20 * round);
                if (command == MainWindow::commandOpen)
                    dialogs->fileAnswers.push_back(workspace->path(QStringLiteral("a.ski")));
                trigger(command);
                QVERIFY(!playing);
                QCOMPARE(window->pageCount(), 2);
            }
        }
        QVERIFY(dialogs->messages.empty());
    }
};

QTEST_MAIN(ImagesPageTest)
#include "ImagesPageTest.moc"
