// The images page and its import dialog: the list, the preview, and the
// commands of its buttons.

#include "ImagesPageFixture.h"

using namespace imagestest;

class ImagesPageTest : public ImagesPageFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

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
