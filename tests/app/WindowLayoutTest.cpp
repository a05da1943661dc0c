// The main window's layout as the user meets it: the size it first opens at,
// what it keeps for the next start, and every control of the element page
// within reach (on the window, or in a scroll area that shows it) at its
// first size, at its smallest and at 1200 x 900. The program runs this once
// as it is and once at double scale on a 1280 x 800 screen.

#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "pages/ElementPage.h"
#include "pages/PreviewPane.h"
#include "widgets/ScreenPreview.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

// A control the user can get at: inside a scroll area that shows something
// and is itself within reach, or else wholly on the window.
bool reachable(const QWidget& control, const QWidget& window)
{
    for (const QWidget* up = control.parentWidget(); up && up != &window; up = up->parentWidget())
        if (const auto* area = qobject_cast<const QScrollArea*>(up))
            return !area->viewport()->size().isEmpty() && reachable(*area, window);
    return window.rect().contains(QRect(control.mapTo(&window, QPoint(0, 0)), control.size()));
}

bool isControl(const QWidget& widget)
{
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLineEdit*>(&widget)
        || qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QComboBox*>(&widget)
        || qobject_cast<const QTreeWidget*>(&widget) || qobject_cast<const ScreenPreview*>(&widget);
}

// The controls shown on the window that cannot be reached, by name.
QStringList unreachable(const QWidget& window)
{
    QStringList names;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (isControl(*widget) && widget->isVisibleTo(&window) && !reachable(*widget, window))
            names << widget->objectName() + QLatin1Char(':') + QLatin1String(widget->metaObject()->className());
    return names;
}

void settle()
{
    // Layouts follow a resize on the next round of events.
    QTest::qWait(20);
}

} // namespace

class WindowLayoutTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> shownWindow()
    {
        auto window = std::make_unique<MainWindow>();
        if (!window->initialise())
            return nullptr;
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        window->newSkin();
        settle();
        return window;
    }

private slots:
    void init()
    {
        startSession();
        workspace->addShippedLanguages();
        workspace->addDefaultSkin();
    }
    void cleanup()
    {
        endSession();
    }

    // With no settings the window opens at the program's first size as far
    // as the screen allows, the preview at 1x; the page grows with the window
    // (the room going to the preview) and shrinks to a size a 1280 x 800
    // screen at double scale has room for, every control within reach.
    void everyControlWithinReachAtEverySize()
    {
        auto window = shownWindow();
        QVERIFY(window);
        const QSize screen = window->screen()->availableGeometry().size();
        if (screen.width() >= 725 && screen.height() >= 455)
            QCOMPARE(window->centralWidget()->size(), QSize(725, 400));
        QVERIFY(window->width() <= screen.width() && window->height() <= screen.height());
        ElementPage& page = *window->elementPage();
        QCOMPARE(page.zoom(), 1);
        QVERIFY(window->minimumSize().width() <= 640 && window->minimumSize().height() <= 400);

        const QSize first = window->size();
        QSize previewRoom;
        for (const QSize size : {first, QSize(1, 1), QSize(1200, 900)}) {
            window->resize(size);
            settle();
            const QByteArray name = QByteArray::number(window->width()) + "x" + QByteArray::number(window->height());
            for (const char* element : {"Operator name", "Clock/Analog clock", "Soft keys/Centre key/State 0",
                                        "Soft keys/Label style/Left key/State 0"}) {
                QTreeWidgetItem* item = page.tree().invisibleRootItem();
                for (const QString& text : QString::fromLatin1(element).split(QLatin1Char('/')))
                    for (int i = 0; i < item->childCount(); ++i)
                        if (item->child(i)->text(0) == text) {
                            item = item->child(i);
                            break;
                        }
                page.tree().setCurrentItem(item);
                settle();
                const QStringList missing = unreachable(*window);
                QVERIFY2(missing.isEmpty(), qPrintable(name + " " + element + ": " + missing.join(QLatin1Char(' ')).toUtf8()));
            }
            const QSize room = page.previewPane().scrollArea().viewport()->size();
            if (size == QSize(1200, 900)) {
                QVERIFY2(room.width() > previewRoom.width() && room.height() > previewRoom.height(), name);
                // Fit: the largest factor that shows the whole screen.
                window->commandAction(MainWindow::commandFitZoom)->trigger();
                const int fit = page.zoom();
                const QSize whole = ScreenPreview::sizeAt(fit);
                QVERIFY2(fit > 1 && whole.width() <= room.width() && whole.height() <= room.height(), name);
                const QSize larger = ScreenPreview::sizeAt(fit + 1);
                QVERIFY2(larger.width() > room.width() || larger.height() > room.height(), name);
            }
            if (size == first) {
                previewRoom = room;
                // The first size shows the whole screen at 1x.
                QVERIFY(room.width() >= 182 || screen.width() < 725);
            }
        }
        // Back at the first size and 1x after larger zooms at other sizes:
        // the whole screen shows, no scroll bar left over takes its room.
        window->resize(first);
        settle();
        window->setZoom(1);
        settle();
        QScrollArea& area = page.previewPane().scrollArea();
        if (screen.width() >= 725 && screen.height() >= 455) {
            QVERIFY(!area.horizontalScrollBar()->isVisible() && !area.verticalScrollBar()->isVisible());
            QVERIFY(area.viewport()->width() >= ScreenPreview::sizeAt(1).width()
                    && area.viewport()->height() >= ScreenPreview::sizeAt(1).height());
        }
    }

    // Window place and size, the page's columns, the zoom and the pixel grid
    // are kept in the settings file when the window closes and come back,
    // also for the pages of the next skin.
    void layoutComesBackAtTheNextStart()
    {
        {
            auto window = shownWindow();
            QVERIFY(window);
            window->resize(900, 640);
            settle();
            window->setZoom(3);
            window->togglePixelGrid();
            window->elementPage()->splitter().setSizes({420, 150, 290});
            settle();
            QVERIFY(window->close());
        }
        const QByteArray kept = workspace->settingsText();
        QVERIFY2(kept.contains("zoom=3") && kept.contains("pixelGrid=1") && kept.contains("geometry="), kept);
        QVERIFY2(kept.contains("elementColumns="), kept);
        const QList<int> columns = AppSettings::elementColumns();
        QCOMPARE(columns.size(), 3);

        auto window = shownWindow();
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(900, 640));
        ElementPage& page = *window->elementPage();
        QCOMPARE(page.zoom(), 3);
        QVERIFY(page.preview().pixelGrid());
        QCOMPARE(page.splitterSizes(), columns);
        window->newSkin();
        QCOMPARE(window->elementPage()->zoom(), 3);

        // What the file holds is read with care: nonsense gives the first layout.
        window.reset();
        workspace->writeSettings("[Window]\ngeometry=@ByteArray(garbage)\nelementColumns=1 2\n[View]\nzoom=99\npixelGrid=x\n");
        auto fresh = shownWindow();
        QVERIFY(fresh);
        QCOMPARE(fresh->elementPage()->zoom(), 1);
        QVERIFY(!fresh->elementPage()->preview().pixelGrid());
        QVERIFY(AppSettings::elementColumns().isEmpty());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
