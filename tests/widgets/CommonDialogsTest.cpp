#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/ListSelectDialog.h"
#include "app/QtDialogService.h"
#include "pictures/ColourValue.h"
#include "widgets/ColourButton.h"
#include "widgets/CommonDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QColor centrePixel(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class CommonDialogsTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    // a.lng, b.txt, B.lng, and the subfolders c.lng and Vela; hidden: .old.lng and the folder .git.
    QString makeFolder() const
    {
        workspace->writeFile(QStringLiteral("list/a.lng"), "[Lang]\n");
        workspace->writeFile(QStringLiteral("list/B.lng"), "[Lang]\n");
        workspace->writeFile(QStringLiteral("list/b.txt"), "text\n");
        workspace->writeFile(QStringLiteral("list/.old.lng"), "[Lang]\n");
        QDir().mkpath(workspace->path(QStringLiteral("list/c.lng")));
        QDir().mkpath(workspace->path(QStringLiteral("list/Vela")));
        QDir().mkpath(workspace->path(QStringLiteral("list/.git")));
        return workspace->path(QStringLiteral("list/"));
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

    // --- ListSelectDialog ---------------------------------------------------

    void fileModeListsLanguageFilesOnly()
    {
        ListSelectDialog dialog(QStringLiteral("Pick"), makeFolder(), ListSelectDialog::Mode::Files);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pick"));
        QCOMPARE(dialog.entries(), QStringList({QStringLiteral("a.lng"), QStringLiteral("B.lng")}));
    }

    void folderModeListsSubfoldersOnly()
    {
        ListSelectDialog dialog(QString(), makeFolder(), ListSelectDialog::Mode::Folders);
        QCOMPARE(dialog.entries(), QStringList({QStringLiteral("c.lng"), QStringLiteral("Vela")}));
        QCOMPARE(ListSelectDialog::folderEntries(workspace->path(QStringLiteral("missing/")),
                                                 ListSelectDialog::Mode::Folders),
                 QStringList());
    }

    void okNeedsASelectedEntry()
    {
        ListSelectDialog empty(QString(), workspace->path(QStringLiteral("missing/")), ListSelectDialog::Mode::Files);
        empty.show();
        QTest::mouseClick(empty.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        QVERIFY(empty.isVisible());
        QTest::keyClick(&empty, Qt::Key_Return);
        QVERIFY(empty.isVisible());
        QTest::mouseClick(empty.findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
        QVERIFY(!empty.isVisible());
        QCOMPARE(empty.result(), int(QDialog::Rejected));
        QCOMPARE(empty.selection(), QString());

        ListSelectDialog dialog(QString(), makeFolder(), ListSelectDialog::Mode::Files);
        dialog.show();
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(dialog.isVisible()); // entries, but none selected
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("entries"));
        list->item(1)->setSelected(true);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selection(), QStringLiteral("B.lng"));
    }

    void theCurrentEntryIsPreselectedAndOkWaitsForASelection()
    {
        ListSelectDialog dialog(QString(), makeFolder(), ListSelectDialog::Mode::Files);
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("entries"));
        QVERIFY(!ok->isEnabled());
        dialog.selectEntry(QStringLiteral("missing.lng"));
        QVERIFY(!ok->isEnabled());
        dialog.selectEntry(QStringLiteral("B.lng"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("B.lng"));
        list->clearSelection();
        QVERIFY(!ok->isEnabled());

        dialog.selectEntry(QStringLiteral("a.lng"));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selection(), QStringLiteral("a.lng"));
    }

    void linesToReadCloseWithOkAloneWhateverIsSelected()
    {
        const QStringList lines = {QStringLiteral("Line 2: one"), QStringLiteral("Line 9: two")};
        ListSelectDialog dialog(QStringLiteral("Check skin"), lines);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Check skin"));
        QCOMPARE(dialog.entries(), lines);
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("cancel")));
        // Wider than the choice of a language: the lines are long.
        QVERIFY(dialog.width() > ListSelectDialog(QString(), makeFolder(), ListSelectDialog::Mode::Files).width());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void doubleClickChoosesAnEntry()
    {
        ListSelectDialog dialog(QString(), makeFolder(), ListSelectDialog::Mode::Folders);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("entries"));
        const QRect place = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selection(), QStringLiteral("Vela"));
    }

    // --- ColourButton -------------------------------------------------------

    void disabledButtonShowsTheMenuColour()
    {
        ColourButton button(1204);
        button.resize(40, 20);
        button.setColour(0x000000FF); // red in 0x00BBGGRR
        QCOMPARE(centrePixel(button), QColor(255, 0, 0));
        button.setEnabled(false);
        QCOMPARE(centrePixel(button), QApplication::palette().color(QPalette::Window));
        button.setEnabled(true);
        QCOMPARE(centrePixel(button), QColor(255, 0, 0));
    }

    void parentIsToldOnlyAfterAConfirmedColour()
    {
        ColourButton button(1206);
        button.resize(40, 20);
        button.show();
        QSignalSpy chosen(&button, &ColourButton::colourChosen);

        button.setColour(0x00102030);
        QCOMPARE(chosen.count(), 0);

        dialogs->colourAnswers.push_back(std::nullopt); // cancelled
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(button.colour(), 0x00102030u);
        QCOMPARE(dialogs->questions.back().title, QString::number(0x00102030));

        dialogs->colourAnswers.push_back(0x00AABBCCu);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.front().front().toInt(), 1206);
        QCOMPARE(button.colour(), 0x00AABBCCu);
        QCOMPARE(centrePixel(button), QColor(0xCC, 0xBB, 0xAA));
    }

    void colourConversionsKeepTheSkinLayout()
    {
        QCOMPARE(qColorFromValue(0xFF563412), QColor(0x12, 0x34, 0x56));
        QCOMPARE(valueFromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    }

    void customColoursStartBlack()
    {
        QColorDialog::setCustomColor(3, Qt::white);
        QtDialogService service;
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QCOMPARE(QColorDialog::customColor(i), QColor(Qt::black));
    }

    // --- askFileName and browseForFolder ------------------------------------

    void fileQuestionOffersOneFilterPerExtension()
    {
        QCOMPARE(askFileName(false, fileNameFullPath, {QStringLiteral("jpg"), QStringLiteral("gif")}), QString());
        QCOMPARE(dialogs->questions[0].initial, QString());
        QCOMPARE(dialogs->questions.size(), std::size_t(1));
        QCOMPARE(dialogs->questions[0].kind, QStringLiteral("file"));
        QCOMPARE(dialogs->questions[0].title, QStringLiteral("open"));
        // Filters in order, then the suffix a bare name gets.
        QCOMPARE(dialogs->questions[0].details,
                 QStringList({QStringLiteral("jpg files (*.jpg)"), QStringLiteral("gif files (*.gif)"),
                              QStringLiteral("jpg")}));

        askFileName(true, fileNameFullPath, {QStringLiteral("ski")});
        QCOMPARE(dialogs->questions[1].title, QStringLiteral("save"));
        QCOMPARE(dialogs->questions[1].details, QStringList({QStringLiteral("ski files (*.ski)"), QStringLiteral("ski")}));

        // Optionally every file as well, and a folder to start in.
        askFileName(true, fileNameFullPath, {QStringLiteral("ski")},
                    {QStringLiteral("/skins"), QStringLiteral("Alle Dateien")});
        QCOMPARE(dialogs->questions[2].details, QStringList({QStringLiteral("ski files (*.ski)"),
                                                             QStringLiteral("Alle Dateien (*)"), QStringLiteral("ski")}));
        QCOMPARE(dialogs->questions[2].initial, QStringLiteral("/skins"));
    }

    void fileQuestionGivesTheKindAskedFor()
    {
        const QString chosen = QStringLiteral("/skins/my.phone.ski");
        const std::pair<int, QString> cases[] = {
            {fileNameFullPath, chosen},
            {fileNameExtension, QStringLiteral("ski")},
            {fileNameTitle, QStringLiteral("my.phone")},
            {fileNameWithExtension, QStringLiteral("my.phone.ski")},
            {3, QString()},
            {9, QString()},
        };
        for (const auto& [kind, expected] : cases) {
            dialogs->fileAnswers.push_back(chosen);
            QCOMPARE(askFileName(false, kind, {QStringLiteral("ski")}), expected);
        }
    }

    void folderQuestion()
    {
        QString path = QStringLiteral("stale");
        QVERIFY(!browseForFolder(path));
        QCOMPARE(path, QString());
        dialogs->folderAnswers.push_back(QStringLiteral("/pictures"));
        QVERIFY(browseForFolder(path));
        QCOMPARE(path, QStringLiteral("/pictures"));
    }
};

QTEST_MAIN(CommonDialogsTest)
#include "CommonDialogsTest.moc"
