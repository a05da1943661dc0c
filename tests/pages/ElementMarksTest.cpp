// The element tree's marks and its "Back to default", on real widgets: what
// shows in bold after each kind of edit, and what the skin, the panel and
// the preview show once an element is given back to the default skin.

#include "ElementPageFixture.h"
#include "ModelAccess.h"
#include "idlescreen/ElementTable.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

using namespace idlescreen;

namespace {

QStringList path(const char* slashed)
{
    return QString::fromUtf8(slashed).split(QLatin1Char('/'));
}

// The items shown in bold, as paths of texts, in the tree's order.
QStringList boldItems(QTreeWidget& tree)
{
    QStringList paths;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (!(*it)->font(0).bold())
            continue;
        QStringList texts;
        for (const QTreeWidgetItem* item = *it; item; item = item->parent())
            texts.prepend(item->text(0));
        paths << texts.join(QLatin1Char('/'));
    }
    return paths;
}

// The item's menu, as a click with the right button on it opens it; nullptr
// when none opens.
QMenu* openMenu(ElementPageFixture& f, const char* slashed)
{
    QTreeWidget& tree = f.page->tree();
    QTreeWidgetItem* item = f.item(path(slashed));
    if (!item)
        return nullptr;
    tree.scrollToItem(item);
    const QPoint place = tree.visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, place, tree.viewport()->mapToGlobal(place));
    QApplication::sendEvent(tree.viewport(), &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// "Back to default" from the item's menu, clicked.
void backToDefault(ElementPageFixture& f, const char* slashed)
{
    QMenu* menu = openMenu(f, slashed);
    QVERIFY2(menu, slashed);
    QAction* action = menu->findChild<QAction*>(QStringLiteral("backToDefault"));
    QVERIFY2(action && action->isEnabled(), slashed);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QVERIFY2(!menu->isVisible(), slashed);
}

// What a page over a new skin shows with the item selected.
QImage freshCanvas(const char* selected)
{
    ElementPageFixture fresh;
    fresh.create();
    fresh.select(path(selected));
    return fresh.page->canvas().image();
}

} // namespace

class ElementMarksTest : public QObject {
    Q_OBJECT

private slots:
    // Every kind of edit marks its element and the groups above it at once;
    // an element another one shares nothing with stays plain.
    void marksFollowEveryEdit()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        QVERIFY(boldItems(page.tree()).isEmpty());

        QVERIFY(f.select(path("Operator name")));
        f.type("value1", QStringLiteral("77"));
        QCOMPARE(boldItems(page.tree()), QStringList({QStringLiteral("Operator name")}));

        drag(page.frame(Frame::CentreKey), {-3, -2});
        QVERIFY(f.select(path("Clock/Analog clock")));
        f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("face.gif"), 20, 20));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        QVERIFY(f.select(path("Background colour")));
        f.chooseColour(1, 0x00123456);
        // Both rectangles of a JoyPad label move: both of its items are marked.
        drag(page.frame(Frame::JoyPad2), {4, 4});
        QCOMPARE(boldItems(page.tree()),
                 QStringList({QStringLiteral("Background colour"), QStringLiteral("Operator name"),
                              QStringLiteral("Clock"), QStringLiteral("Clock/Analog clock"),
                              QStringLiteral("Soft keys"), QStringLiteral("Soft keys/Centre key"),
                              QStringLiteral("Soft keys/Centre key/State 0"), QStringLiteral("JoyPad labels"),
                              QStringLiteral("JoyPad labels/Down key"), QStringLiteral("JoyPad labels/Down key/State 0"),
                              QStringLiteral("JoyPad labels/Down key/State 1")}));

        // The same colour as the default skin's is no difference (the drag
        // chose the label it took hold of).
        QVERIFY(f.select(path("Background colour")));
        f.chooseColour(1, defaultSkin(f.model).getPaletteColour(backgroundPaletteIndex).colour);
        QVERIFY(!boldItems(page.tree()).contains(QStringLiteral("Background colour")));
    }

    // "Back to default" from the tree's menu: the element's records leave the
    // skin, its panel and the preview show the default skin's values, and its
    // mark goes. Groups have no menu; an unchanged element's entry is disabled.
    void backToDefaultFromTheTreesMenu()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        const std::vector<std::string> newSkin = f.lines();

        QMenu* menu = openMenu(f, "Date");
        QVERIFY(menu);
        QAction* action = menu->findChild<QAction*>(QStringLiteral("backToDefault"));
        QCOMPARE(action->text(), QStringLiteral("&Back to default"));
        QVERIFY(!action->isEnabled());
        menu->close();
        QVERIFY(!openMenu(f, "Soft keys"));

        QVERIFY(f.select(path("Operator name")));
        const QString transparency = f.edit("value1")->text();
        const QString left = f.edit("x1")->text();
        f.type("value1", QStringLiteral("77"));
        f.type("x1", QStringLiteral("9"));
        QVERIFY(f.select(path("Wallpaper")));
        f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("sea.gif"), 176, 220));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        QVERIFY(f.select(path("Background colour")));
        f.chooseColour(1, 0x00123456);
        QCOMPARE(boldItems(page.tree()).size(), 3);

        QVERIFY(f.select(path("Operator name")));
        backToDefault(f, "Operator name");
        QCOMPARE(f.edit("value1")->text(), transparency);
        QCOMPARE(f.edit("x1")->text(), left);
        backToDefault(f, "Wallpaper");
        QCOMPARE(editedSkin(f.model).getWallpaperName(), std::string());
        QVERIFY(f.select(path("Background colour")));
        backToDefault(f, "Background colour");
        QCOMPARE(f.colourButton(1)->colour(), defaultSkin(f.model).getPaletteColour(backgroundPaletteIndex).colour);

        // The skin is the new skin again, and the page shows what a page over it shows.
        QCOMPARE(f.lines(), newSkin);
        QVERIFY(boldItems(page.tree()).isEmpty());
        QCOMPARE(page.canvas().image(), freshCanvas("Background colour"));
        QVERIFY(f.select(path("Wallpaper")));
        QCOMPARE(page.canvas().image(), freshCanvas("Wallpaper"));
        QVERIFY(f.dialogs.messages.empty());
    }

    // The left key's state 0 is state 2 kept in step: giving it back takes
    // both pictures (one picture, linked), both rectangles (written twice in
    // the file as it was opened) and both opacities, and the data file holds
    // nothing more.
    void backToDefaultOnTheLeftKeysStateZero()
    {
        ElementPageFixture f;
        editedSkin(f.model).appendLine("1 658 1 1 20 20\n");
        editedSkin(f.model).appendLine("1 658 2 2 30 30\n");
        ElementPage& page = f.create();
        QCOMPARE(boldItems(page.tree()), QStringList({QStringLiteral("Soft keys"), QStringLiteral("Soft keys/Left key"),
                                                      QStringLiteral("Soft keys/Left key/State 0")}));
        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("button.gif"), 30, 12));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        f.type("value1", QStringLiteral("99"));
        const std::optional<PictureLocation> state0 = f.model.edited().getPictureLocation(630);
        const std::optional<PictureLocation> state2 = f.model.edited().getPictureLocation(652);
        QVERIFY(state0 && state2);
        QCOMPARE(*state0, *state2);
        for (const ElementId id : {658, 651})
            QVERIFY(editedSkin(f.model).hasRecord(RecordType::Rect, id));
        for (const ElementId id : {657, 650})
            QCOMPARE(editedSkin(f.model).getNumber(id), 99);

        backToDefault(f, "Soft keys/Left key/State 0");
        for (const ElementId id : {630, 652})
            QVERIFY(!editedSkin(f.model).hasRecord(RecordType::Picture, id));
        for (const ElementId id : {658, 651})
            QVERIFY(!editedSkin(f.model).hasRecord(RecordType::Rect, id));
        for (const ElementId id : {657, 650})
            QVERIFY(!editedSkin(f.model).hasRecord(RecordType::Number, id));
        QCOMPARE(editedSkin(f.model).dataSize(0), 0u);
        QVERIFY(boldItems(page.tree()).isEmpty());

        // The frame, the panel and the preview show the default skin's key, in state 0 and in state 2.
        const SkinRect original = defaultSkin(f.model).getRect(658);
        QCOMPARE(page.scene().frame(Frame::LeftKey).rect(), original);
        QCOMPARE(page.scene().frame(Frame::LeftKey).opacity, defaultSkin(f.model).getNumber(657));
        QCOMPARE(f.edit("x1")->text(), QString::number(original.left));
        QCOMPARE(f.edit("value1")->text(), QString::number(defaultSkin(f.model).getNumber(657)));
        QCOMPARE(page.canvas().image(), freshCanvas("Soft keys/Left key/State 0"));
        QTest::mouseClick(f.child<QPushButton>("leftState"), Qt::LeftButton);
        QTest::mouseClick(f.child<QPushButton>("leftState"), Qt::LeftButton);
        QCOMPARE(page.scene().frame(Frame::LeftKey).rect(), defaultSkin(f.model).getRect(651));
        QVERIFY(f.dialogs.messages.empty());
    }
};

QTEST_MAIN(ElementMarksTest)
#include "ElementMarksTest.moc"
