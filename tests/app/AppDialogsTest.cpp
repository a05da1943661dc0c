// The shell's own dialogs: the list of language files or default skins to
// choose from, and the colour dialog as the shell sets it up.

#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/ListSelectDialog.h"
#include "app/QtDialogService.h"

#include <QColorDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class AppDialogsTest : public QObject, protected WorkspaceSession {
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
        // Both lists can be made larger; the list takes the room, the buttons stay under it.
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("entries"));
        const QSize before = list->size();
        dialog.resize(dialog.width() + 200, dialog.height() + 150);
        QTest::qWait(20);
        QCOMPARE(list->size(), before + QSize(200, 150));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("ok"))->mapTo(&dialog, QPoint(0, 0)).y() > list->geometry().bottom());
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

    // --- QtDialogService ------------------------------------------------------

    void customColoursStartBlack()
    {
        QColorDialog::setCustomColor(3, Qt::white);
        QtDialogService service;
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QCOMPARE(QColorDialog::customColor(i), QColor(Qt::black));
    }
};

QTEST_MAIN(AppDialogsTest)
#include "AppDialogsTest.moc"
