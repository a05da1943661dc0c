// The images page's pictures by their names, through the filter, with
// their transparency shown, and files dropped on the page and the window.

#include "ImagesPageFixture.h"

using namespace imagestest;

class PictureDropsTest : public ImagesPageFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

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
                                                   QStringLiteral("7 Analoguhr"), QStringLiteral("Bild_12345"),
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
};

QTEST_MAIN(PictureDropsTest)
#include "PictureDropsTest.moc"
