// The element page on real widgets, offscreen: what it shows after it is
// created, the tree and what each element's panel shows, the state buttons
// and view check boxes, and frames dragged with the mouse.

#include "ElementPageFixture.h"
#include "idlescreen/ElementTable.h"
#include "pages/PreviewPane.h"
#include "widgets/ScreenPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <set>

using namespace idlescreen;

namespace {

QStringList path(const char* slashed)
{
    return QString::fromUtf8(slashed).split(QLatin1Char('/'));
}

QString text(const LanguageTable& texts, int number)
{
    return QString::fromStdString(texts.text(number));
}

// Every control of the panel, by id.
const std::vector<int> panelControls = {1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213, 1214, 1215,
                                        1216, 1217, 1218, 1219, 1220, 1223, 1224, 1226, 1227, 1229, 1230, 1231,
                                        1232, 1263, 1264, 1267, 1268};
const std::vector<int> positionControls = {1220, 1229, 1230, 1231, 1232, 1216, 1217, 1218, 1219};
const std::vector<int> textControls = {1204, 1205, 1210, 1211, 1206, 1207, 1212, 1213,
                                       1208, 1209, 1214, 1215, 1264, 1224, 1223, 1263};
const std::vector<std::pair<int, int>> textLabels = {{1205, 902}, {1211, 905}, {1207, 903}, {1213, 905},
                                                     {1209, 904}, {1215, 905}, {1224, 912}};

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<std::pair<int, int>> operator+(std::vector<std::pair<int, int>> a, const std::vector<std::pair<int, int>>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// What selecting each element shows, as the panel's documentation lays it
// out: the controls, their labels (language text numbers), the records the
// colour buttons and the number edits show (a negative number: the
// transparency of that colour record; -41: the palette's background), the
// rectangle, alignment and underline records, and what the preview switches
// to ("L1": left key in state 1, "J0": JoyPad labels off, "A1": analog clock,
// "W0": wallpaper hidden).
struct PanelCase {
    const char* path;
    int kind;
    std::vector<int> shown;
    std::vector<std::pair<int, int>> labels;
    std::array<ElementId, 3> colours;
    std::array<ElementId, 3> values;
    ElementId rect;
    ElementId alignment;
    ElementId underline;
    const char* view;
};

const std::vector<std::pair<int, int>> positionLabel = {{1220, 907}};
const std::vector<int> keyControls = std::vector<int>{1210, 1211, 1226, 1227} + positionControls;
const std::vector<std::pair<int, int>> keyLabels = {{1211, 905}, {1227, 906}, {1220, 907}};
const std::vector<int> placeControls = std::vector<int>{1267, 1268} + positionControls;
const std::vector<std::pair<int, int>> placeLabels = {{1268, 914}, {1220, 907}};

const std::vector<PanelCase> panelCases = {
    {"Background colour", 1, {1204, 1205}, {{1205, 901}}, {-41, 0, 0}, {}, 0, 0, 0, "W0"},
    {"Wallpaper", 2, {1226, 1227}, {{1227, 906}}, {}, {}, 0, 0, 0, "W1"},
    {"Operator name", 3, textControls + positionControls, textLabels + positionLabel, {595, 596, 597},
     {-595, -596, -597}, 570, 0, 594, ""},
    {"Date", 4, textControls + positionControls, textLabels + positionLabel, {579, 580, 581}, {-579, -580, -581},
     571, 0, 578, ""},
    {"Clock/Digital clock", 5, textControls + positionControls, textLabels + positionLabel, {587, 588, 589},
     {-587, -588, -589}, 574, 0, 586, "A0"},
    {"Clock/Analog clock", 6, std::vector<int>{1206, 1207, 1208, 1209, 1212, 1213, 1214, 1215, 1226, 1227} + positionControls,
     {{1207, 10071}, {1209, 10072}, {1213, 10073}, {1215, 10073}, {1227, 906}, {1220, 907}}, {0, 12, 9}, {0, 11, 8},
     6, 0, 0, "A1"},
    {"Soft keys/Label style/State 0", 8, textControls, textLabels, {639, 640, 641}, {-639, -640, -641}, 0, 0, 638, ""},
    {"Soft keys/Label style/State 1", 7, textControls, textLabels, {646, 647, 648}, {-646, -647, -648}, 0, 0, 645, ""},
    {"Soft keys/Label style/Left key/State 0", 81, placeControls, placeLabels, {}, {}, 659, 661, 0, "L0"},
    {"Soft keys/Label style/Left key/State 1", 71, placeControls, placeLabels, {}, {}, 655, 656, 0, "L1"},
    {"Soft keys/Label style/Right key/State 0", 82, placeControls, placeLabels, {}, {}, 667, 668, 0, "R0"},
    {"Soft keys/Label style/Right key/State 1", 72, placeControls, placeLabels, {}, {}, 660, 671, 0, "R1"},
    {"Soft keys/Left key/State 0", 10, keyControls, keyLabels, {}, {657, 0, 0}, 658, 0, 0, "L0"},
    {"Soft keys/Left key/State 1", 9, keyControls, keyLabels, {}, {653, 0, 0}, 654, 0, 0, "L1"},
    {"Soft keys/Centre key/State 0", 14, keyControls, keyLabels, {}, {680, 0, 0}, 681, 0, 0, "C0"},
    {"Soft keys/Centre key/State 1", 13, keyControls, keyLabels, {}, {677, 0, 0}, 678, 0, 0, "C1"},
    {"Soft keys/Centre key/State 2", 15, keyControls, keyLabels, {}, {679, 0, 0}, 676, 0, 0, "C2"},
    {"Soft keys/Centre key/State 3", 16, keyControls, keyLabels, {}, {672, 0, 0}, 673, 0, 0, "C3"},
    {"Soft keys/Right key/State 0", 12, keyControls, keyLabels, {}, {669, 0, 0}, 670, 0, 0, "R0"},
    {"Soft keys/Right key/State 1", 11, keyControls, keyLabels, {}, {665, 0, 0}, 666, 0, 0, "R1"},
    {"JoyPad labels/Up key/State 0", 18, positionControls, positionLabel, {}, {}, 562, 0, 0, "J0"},
    {"JoyPad labels/Up key/State 1", 17, positionControls, positionLabel, {}, {}, 566, 0, 0, "J1"},
    {"JoyPad labels/Down key/State 0", 20, positionControls, positionLabel, {}, {}, 563, 0, 0, "J0"},
    {"JoyPad labels/Down key/State 1", 19, positionControls, positionLabel, {}, {}, 567, 0, 0, "J1"},
    {"JoyPad labels/Left key/State 0", 22, positionControls, positionLabel, {}, {}, 564, 0, 0, "J0"},
    {"JoyPad labels/Left key/State 1", 21, positionControls, positionLabel, {}, {}, 568, 0, 0, "J1"},
    {"JoyPad labels/Right key/State 0", 24, positionControls, positionLabel, {}, {}, 565, 0, 0, "J0"},
    {"JoyPad labels/Right key/State 1", 23, positionControls, positionLabel, {}, {}, 569, 0, 0, "J1"},
};

// Distinct values in the records the panels show, so that a panel that reads
// a neighbour's record shows a number that gives it away.
void writeDistinctRecords(SkinModel& model)
{
    for (const ElementId id : {595, 596, 597, 579, 580, 581, 587, 588, 589, 646, 647, 648, 639, 640, 641, 12, 9})
        model.setColour(id, makeColour(id & 0xFF, id >> 8, 77), id % 200);
    for (const ElementId id : {592, 576, 584, 649, 642})
        model.setNumber(id, 2);
    for (const ElementId id : {653, 657, 665, 669, 677, 680, 679, 672, 11, 8})
        model.setNumber(id, id % 250);
    for (const auto& [id, alignment] : {std::pair{656, 32}, {671, 16}, {661, 16}, {668, 32}})
        model.setNumber(id, alignment);
    for (const ElementId id : {570, 571, 574, 655, 660, 659, 667})
        QVERIFY(model.setRect(id, {id % 50, id % 60, id % 50 + 40, id % 60 + 12}));
    for (const auto& [id, set] : {std::pair{594, 1}, {578, 0}, {586, 1}, {645, 0}, {638, 1}})
        model.setFlag(id, set);
}

QString numberText(std::int32_t value)
{
    return QString::number(value);
}

SkinRect moved(SkinRect rect, QPoint by)
{
    return {rect.left + by.x(), rect.top + by.y(), rect.right + by.x(), rect.bottom + by.y()};
}

} // namespace

class ElementPageTest : public QObject {
    Q_OBJECT

private slots:
    void initialisationShowsTheBackgroundAndTheKeysInStateZero()
    {
        ElementPageFixture f;
        QVERIFY(f.loaded);
        const auto before = f.lines();
        ElementPage& page = f.create();
        QCOMPARE(int(page.kind()), 1);
        QCOMPARE(f.view().leftKeyState, 0);
        QCOMPARE(f.view().rightKeyState, 0);
        QCOMPARE(f.view().centreKeyState, 0);
        QVERIFY(f.child<QCheckBox>("wallpaperCheck")->isChecked());
        QVERIFY(!f.child<QCheckBox>("analogCheck")->isChecked());
        QVERIFY(!f.child<QCheckBox>("joyPadCheck")->isChecked());
        QCOMPARE(f.child<QCheckBox>("wallpaperCheck")->text(), QStringLiteral("Wallpaper"));
        QCOMPARE(f.child<QCheckBox>("analogCheck")->text(), QStringLiteral("Analog clock"));
        QCOMPARE(f.child<QCheckBox>("joyPadCheck")->text(), QStringLiteral("JoyPad"));
        QVERIFY(page.frame(Frame::ClockFace).isHidden());
        QVERIFY(!page.frame(Frame::LeftKey).isHidden());
        // Until the first selection the panel shows the background colour.
        QCOMPARE(page.panel().title(), QStringLiteral("Background colour"));
        QVERIFY(f.shown(1204));
        QCOMPARE(f.colourButton(1)->colour(), f.model.getPaletteColour(1).colour);
        QCOMPARE(f.lines(), before);
        QVERIFY(f.dialogs.messages.empty());

        // The keys' frames show state 0: picture, place and opacity.
        const SkinRect left = f.model.getRect(658);
        QCOMPARE(page.frame(Frame::LeftKey).geometry().topLeft(),
                 QPoint(ScreenPreview::inset + left.left, ScreenPreview::inset + left.top));
        QCOMPARE(page.scene().frame(Frame::LeftKey).opacity, f.model.getNumber(657));
        QCOMPARE(page.scene().frame(Frame::JoyPad1).rect(), f.model.getRect(562));
        QCOMPARE(page.scene().frame(Frame::JoyPad1).caption(), QStringLiteral("Up key"));

        // The buttons' captions lie under the left, centre and right of the
        // preview, which shows the whole screen at 1x.
        const auto onPage = [&page](const QWidget* widget) {
            return QRect(widget->mapTo(&page, QPoint(0, 0)), widget->size());
        };
        const QRect preview = onPage(&page.preview());
        const QWidget* viewport = page.previewPane().scrollArea().viewport();
        QVERIFY(viewport->rect().contains(QRect(page.preview().mapTo(viewport, QPoint(0, 0)), page.preview().size())));
        const auto* leftButton = f.child<QPushButton>("leftState");
        const auto* centreButton = f.child<QPushButton>("centreState");
        const auto* rightButton = f.child<QPushButton>("rightState");
        QCOMPARE(leftButton->text(), QStringLiteral("*"));
        QCOMPARE(centreButton->text(), QStringLiteral("="));
        QCOMPARE(rightButton->text(), QStringLiteral("*"));
        QVERIFY(onPage(leftButton).top() >= preview.bottom());
        QVERIFY(onPage(leftButton).center().x() < preview.left() + preview.width() / 3);
        QVERIFY(onPage(leftButton).right() < onPage(centreButton).left());
        QVERIFY(std::abs(onPage(centreButton).center().x() - preview.center().x()) < 5);
        QVERIFY(onPage(rightButton).center().x() > preview.right() - preview.width() / 3);

        const auto* alignment = f.child<QComboBox>("alignment");
        QCOMPARE(alignment->count(), 3);
        QCOMPARE(alignment->itemText(0), QStringLiteral("Centre"));
        QCOMPARE(alignment->itemText(1), QStringLiteral("Left"));
        QCOMPARE(alignment->itemText(2), QStringLiteral("Right"));
        const auto* outline = f.child<QSpinBox>("outlineLevel");
        QCOMPARE(outline->minimum(), 0);
        QCOMPARE(outline->maximum(), 2);
    }

    // The tree's texts and order come from the language file; nothing is
    // expanded or selected. Every leaf gives its kind, every group none.
    void treeItemsAndTheirKinds()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        const std::vector<int> order = {1002, 1001, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 908, 909, 1012, 908, 909,
                                        1013, 908, 909, 1012, 908, 909, 1014, 908, 909, 910, 911, 1013, 908, 909,
                                        1015, 1010, 908, 909, 1011, 908, 909, 1012, 908, 909, 1013, 908, 909};
        std::vector<QTreeWidgetItem*> items;
        for (QTreeWidgetItemIterator it(&page.tree()); *it; ++it)
            items.push_back(*it);
        QCOMPARE(items.size(), order.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->text(0), text(f.texts, order[i]));
            QVERIFY(!items[i]->isExpanded());
        }
        QVERIFY(page.tree().selectedItems().isEmpty());

        const std::vector<int> leafKinds = {2, 1, 3, 4, 5, 6, 8, 7, 81, 71, 82, 72, 10, 9,
                                            14, 13, 15, 16, 12, 11, 18, 17, 20, 19, 22, 21, 24, 23};
        std::size_t leaf = 0;
        for (QTreeWidgetItem* item : items) {
            page.tree().setCurrentItem(item);
            if (item->childCount() > 0) {
                QCOMPARE(int(page.kind()), 0);
                QCOMPARE(page.panel().title(), QString());
                for (const int id : panelControls)
                    QVERIFY2(!f.shown(id), qPrintable(QString::number(id)));
            } else {
                QCOMPARE(int(page.kind()), leafKinds.at(leaf++));
                QCOMPARE(page.panel().title(), item->text(0));
            }
            // Only the background colour clears the wallpaper box.
            QCOMPARE(f.child<QCheckBox>("wallpaperCheck")->isChecked(), page.kind() != ElementKind::Background);
            QCOMPARE(f.view().showWallpaper, page.kind() != ElementKind::Background);
        }
        QCOMPARE(leaf, leafKinds.size());
    }

    // Where two texts are equal, the first rule decides: with the name of
    // state 0 equal to the background's every state-0 item edits the background.
    void equalLanguageTextsLetTheFirstRuleWin()
    {
        TestWorkspace scratch;
        QFile english(QStringLiteral(VELASKIN_DATA_DIR "/Lng/English.lng"));
        QVERIFY(english.open(QIODevice::ReadOnly));
        QByteArray lines = english.readAll().replace("908=State 0", "908=Background colour");
        scratch.writeFile(QStringLiteral("Equal.lng"), lines);

        ElementPageFixture f(scratch.path(QStringLiteral("Equal.lng")));
        f.create();
        QVERIFY(f.select(path("Soft keys/Left key/Background colour")));
        QCOMPARE(int(f.page->kind()), 1);
        QVERIFY(!f.view().showWallpaper);
        QVERIFY(f.select(path("JoyPad labels/Down key/Background colour")));
        QCOMPARE(int(f.page->kind()), 1);
        QVERIFY(f.select(path("JoyPad labels/Down key/State 1")));
        QCOMPARE(int(f.page->kind()), 19);
    }

    // Every element's panel: which controls show, their labels, the values
    // they load and the preview state the element is shown in. Loading
    // writes nothing to the skin.
    void eachElementsPanel()
    {
        ElementPageFixture f;
        writeDistinctRecords(f.model);
        ElementPage& page = f.create();
        QCOMPARE(panelCases.size(), elementTable.size());
        for (const PanelCase& c : panelCases) {
            const QString where = QString::fromLatin1(c.path);
            const auto before = f.lines();
            QVERIFY2(f.select(path(c.path)), c.path);
            QVERIFY2(int(page.kind()) == c.kind, c.path);
            QVERIFY2(f.lines() == before, c.path);

            const std::set<int> expected(c.shown.begin(), c.shown.end());
            for (const int id : panelControls)
                QVERIFY2(f.shown(id) == (expected.count(id) > 0), qPrintable(where + QStringLiteral(": %1").arg(id)));
            for (const auto& [id, number] : c.labels)
                QVERIFY2(qobject_cast<QLabel*>(page.control(id))->text() == text(f.texts, number),
                         qPrintable(where + QStringLiteral(": label %1").arg(id)));

            for (std::size_t row = 0; row < 3; ++row) {
                const QString at = where + QStringLiteral(": row %1").arg(row + 1);
                if (c.colours[row] == -41)
                    QVERIFY2(f.colourButton(int(row) + 1)->colour() == f.model.getPaletteColour(1).colour, qPrintable(at));
                else if (c.colours[row] > 0)
                    QVERIFY2(f.colourButton(int(row) + 1)->colour() == (f.model.getColour(c.colours[row]).colour & 0xFFFFFF),
                             qPrintable(at));
                const ElementId shown = c.values[row];
                if (shown == 0)
                    continue;
                const std::int32_t value = shown > 0 ? f.model.getNumber(shown) : f.model.getColour(-shown).transparency;
                QVERIFY2(f.edit(("value" + std::to_string(row + 1)).c_str())->text() == numberText(value), qPrintable(at));
            }
            if (c.rect) {
                const SkinRect rect = f.model.getRect(c.rect);
                QVERIFY2(f.edit("x1")->text() == numberText(rect.left) && f.edit("y1")->text() == numberText(rect.top) &&
                             f.edit("x2")->text() == numberText(rect.right) &&
                             f.edit("y2")->text() == numberText(rect.bottom),
                         c.path);
            }
            if (c.alignment)
                QVERIFY2(f.child<QComboBox>("alignment")->currentIndex() ==
                             (f.model.getNumber(c.alignment) == 32 ? 1 : 2),
                         c.path);
            if (c.underline) {
                QVERIFY2(f.child<QCheckBox>("underline")->isChecked() == (f.model.getFlag(c.underline) != 0), c.path);
                QCOMPARE(f.child<QCheckBox>("underline")->text(), QStringLiteral("Underline"));
                QCOMPARE(f.child<QSpinBox>("outlineLevel")->value(), 2);
            }

            const QString view = QString::fromLatin1(c.view);
            const int value = view.isEmpty() ? 0 : view.mid(1).toInt();
            switch (view.isEmpty() ? ' ' : view[0].toLatin1()) {
            case 'L': QVERIFY2(f.view().leftKeyState == value, c.path); break;
            case 'R': QVERIFY2(f.view().rightKeyState == value, c.path); break;
            case 'C': QVERIFY2(f.view().centreKeyState == value, c.path); break;
            case 'J':
                QVERIFY2(f.view().joyPadShown == (value == 1), c.path);
                QVERIFY2(f.child<QCheckBox>("joyPadCheck")->isChecked() == (value == 1), c.path);
                QVERIFY2(page.scene().frame(Frame::JoyPad4).rect() == f.model.getRect(value ? 569 : 565), c.path);
                break;
            case 'A':
                QVERIFY2(f.child<QCheckBox>("analogCheck")->isChecked() == (value == 1), c.path);
                QVERIFY2(page.frame(Frame::ClockFace).isHidden() == (value == 0), c.path);
                break;
            case 'W': QVERIFY2(f.child<QCheckBox>("wallpaperCheck")->isChecked() == (value == 1), c.path); break;
            default: break;
            }
            // A key picture's frame shows the element's own picture and place.
            if (c.kind >= 9 && c.kind <= 16) {
                const ElementEntry& entry = *elementEntry(ElementKind(c.kind));
                QVERIFY2(page.scene().frame(entry.frame).rect() == f.model.getRect(c.rect), c.path);
                QVERIFY2(page.scene().frame(entry.frame).opacity == f.model.getNumber(c.values[0]), c.path);
            }
        }
    }

    // "*" steps the left key through its three states, "=" the centre key
    // through four; each step shows the state's picture at its place.
    void stateButtonsWrapAround()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        auto* left = f.child<QPushButton>("leftState");
        auto* centre = f.child<QPushButton>("centreState");
        auto* right = f.child<QPushButton>("rightState");
        const std::vector<ElementId> leftRects = {654, 651, 658};
        for (const ElementId rect : leftRects) {
            QTest::mouseClick(left, Qt::LeftButton);
            QCOMPARE(page.scene().frame(Frame::LeftKey).rect(), f.model.getRect(rect));
        }
        QCOMPARE(f.view().leftKeyState, 0);
        for (const int state : {1, 2, 3, 0}) {
            QTest::mouseClick(centre, Qt::LeftButton);
            QCOMPARE(f.view().centreKeyState, state);
        }
        QCOMPARE(page.scene().frame(Frame::CentreKey).rect(), f.model.getRect(681));
        QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(f.view().rightKeyState, 1);
        QCOMPARE(page.scene().frame(Frame::RightKey).opacity, f.model.getNumber(665));
    }

    void viewCheckBoxes()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        const QImage withWallpaper = page.canvas().image();
        f.clickBox("wallpaperCheck");
        QVERIFY(!f.view().showWallpaper);
        QVERIFY(page.canvas().image() != withWallpaper);

        f.clickBox("analogCheck");
        QVERIFY(f.view().analogClock);
        QVERIFY(!page.frame(Frame::ClockFace).isHidden());
        f.clickBox("analogCheck");
        QVERIFY(page.frame(Frame::ClockFace).isHidden());

        f.clickBox("joyPadCheck");
        QVERIFY(f.view().joyPadShown);
        for (const JoyPadLabelIds& label : joyPadLabels)
            QCOMPARE(page.scene().frame(label.frame).rect(), f.model.getRect(label.rectOn));
    }

    // Frames dragged with the mouse on the page: each drop lands in the
    // records of what the frame shows, and the panel of a dropped element
    // shows where it lies now.
    void droppedFramesEndInTheSkin()
    {
        ElementPageFixture f;
        QVERIFY(f.model.setRect(562, {30, 40, 50, 50}));
        QVERIFY(f.model.setRect(566, {0, 0, 31, 14}));
        ElementPage& page = f.create();

        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        const SkinRect left = f.model.getRect(658);
        drag(page.frame(Frame::LeftKey), {5, -7});
        QCOMPARE(f.model.getRect(658), moved(left, {5, -7}));
        QCOMPARE(f.model.getRect(651), moved(left, {5, -7}));
        QCOMPARE(f.edit("x1")->text(), numberText(left.left + 5));
        QCOMPARE(f.edit("y1")->text(), numberText(left.top - 7));

        // State 2 is state 0 kept in step.
        QTest::mouseClick(f.child<QPushButton>("leftState"), Qt::LeftButton);
        QTest::mouseClick(f.child<QPushButton>("leftState"), Qt::LeftButton);
        drag(page.frame(Frame::LeftKey), {4, 0});
        QCOMPARE(f.model.getRect(651), moved(left, {9, -7}));
        QCOMPARE(f.model.getRect(658), moved(left, {9, -7}));

        const SkinRect centre = f.model.getRect(681);
        drag(page.frame(Frame::CentreKey), {-3, -2});
        QCOMPARE(f.model.getRect(681), moved(centre, {-3, -2}));

        // The JoyPad label's other rectangle follows, centred.
        drag(page.frame(Frame::JoyPad1), {10, 10});
        QCOMPARE(f.model.getRect(562), (SkinRect{40, 50, 60, 60}));
        QCOMPARE(f.model.getRect(566), (SkinRect{35, 48, 66, 62}));

        f.clickBox("analogCheck");
        const SkinRect face = f.model.getRect(6);
        drag(page.frame(Frame::ClockFace), {3, 4});
        QCOMPARE(f.model.getRect(6), moved(face, {3, 4}));

        // What the page shows is the canvas, with the frames where they were dropped.
        page.preview().setSelectionOutline(std::nullopt);
        const QImage shown = page.preview().grab(QRect(ScreenPreview::inset, ScreenPreview::inset, 176, 220)).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), page.canvas().image());
    }
};

QTEST_MAIN(ElementPageTest)
#include "ElementPageTest.moc"
