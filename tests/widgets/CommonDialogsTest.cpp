// The colour button and the common file and folder questions, with every
// question answered by ScriptedDialogs.

#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "widgets/ColourButton.h"
#include "widgets/CommonDialogs.h"

#include <QApplication>
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

private slots:
    void init()
    {
        startSession();
    }
    void cleanup()
    {
        endSession();
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
