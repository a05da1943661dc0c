// The property panel's handlers on real widgets: what typing, clicking,
// stepping and choosing writes into the skin's records, and what it never
// writes.

#include "ElementPageFixture.h"
#include "ModelAccess.h"
#include "idlescreen/ElementTable.h"
#include "preview/FrameContent.h"
#include "widgets/ScreenPreview.h"

#include <QComboBox>
#include <QPushButton>

#include <set>
#include <tuple>

using namespace idlescreen;

namespace {

QStringList path(const char* slashed)
{
    return QString::fromUtf8(slashed).split(QLatin1Char('/'));
}

constexpr std::uint32_t chosen = 0x00563412; // red 0x12, green 0x34, blue 0x56

// Selects the first tree item of that kind.
bool selectKind(ElementPageFixture& f, ElementKind kind)
{
    for (QTreeWidgetItemIterator it(&f.page->tree()); *it; ++it) {
        f.page->tree().setCurrentItem(*it);
        if (f.page->kind() == kind)
            return true;
    }
    return false;
}

using Record = std::tuple<RecordType, ElementId, int>;

// The records behind the lines that differ from before: a changed palette
// line is its list item, any other line names its type and id.
std::set<Record> changedRecords(const std::vector<std::string>& before, const std::vector<std::string>& after,
                                const SkinDocument& skin)
{
    const int palette = skin.findRecord("0 41 ");
    std::set<Record> changed;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < before.size() && after[i] == before[i])
            continue;
        if (palette >= 0 && int(i) > palette && int(i) <= palette + paletteItemCount)
            changed.insert({RecordType::ListHeader, paletteListId, int(i) - palette});
        else
            changed.insert({RecordType(after[i][0] - '0'), std::stoi(after[i].substr(2)), 0});
    }
    return changed;
}

} // namespace

class PropertyPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Before any selection the panel edits the background: the palette's
    // item 1, opaque, never a colour record.
    void backgroundColourIsThePalettesFirstItem()
    {
        ElementPageFixture f;
        f.create();
        const std::size_t count = f.lines().size();
        f.chooseColour(1, chosen);
        QCOMPARE(f.lines().size(), count);
        QCOMPARE(f.model.getPaletteColour(1), (SkinColour{chosen, 0}));

        QVERIFY(f.select(path("Background colour")));
        f.dialogs.colourAnswers.push_back(std::nullopt); // cancelled: nothing
        QTest::mouseClick(f.colourButton(1), Qt::LeftButton);
        QCOMPARE(f.model.getPaletteColour(1), (SkinColour{chosen, 0}));
        QCOMPARE(f.page->canvas().image().pixel(100, 100), qRgb(0x12, 0x34, 0x56));
    }

    // A text's colour goes with the transparency typed beside it; a number
    // outside 0..255 brings the prompt, takes the focus, writes nothing and
    // shows what the skin holds again; every other control goes on writing
    // its own value.
    void textColoursAndTheRangePrompt()
    {
        ElementPageFixture f;
        f.create();
        QVERIFY(f.select(path("Operator name")));
        f.type("value1", QStringLiteral("77"));
        const std::uint32_t shownColour = f.colourButton(1)->colour();
        QCOMPARE(editedSkin(f.model).getColour(595), (SkinColour{shownColour | 77u << 24, 77}));
        f.chooseColour(1, chosen);
        QCOMPARE(editedSkin(f.model).getColour(595).transparency, 77);
        QCOMPARE(editedSkin(f.model).getColour(595).colour & 0xFFFFFF, chosen);

        const auto before = f.lines();
        f.type("value1", QStringLiteral("300")); // neither "3" nor "30" nor "300" is written
        QCOMPARE(editedSkin(f.model).getColour(595).transparency, 77);
        QCOMPARE(f.dialogs.messageTexts(), QStringList({QStringLiteral("Please enter an integer between 0 and 255.")}));
        QCOMPARE(f.dialogs.messages[0].icon, DialogService::Icon::Exclamation);
        QCOMPARE(f.page->focusWidget(), f.edit("value1"));
        QCOMPARE(f.edit("value1")->text(), QStringLiteral("77"));
        // Each control writes its own value: no prompt again.
        f.chooseColour(1, 0x00FFFFFF);
        QCOMPARE(editedSkin(f.model).getColour(595), (SkinColour{0x00FFFFFF | 77u << 24, 77}));
        f.type("x1", QStringLiteral("9"));
        QCOMPARE(editedSkin(f.model).getRect(570).left, 9);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        f.type("value1", QStringLiteral("25"));
        QCOMPARE(editedSkin(f.model).getColour(595), (SkinColour{0x00FFFFFF | 25u << 24, 25}));
        QCOMPARE(f.lines().size(), before.size() + 1); // the operator name's place
        // An emptied edit holds no number: nothing written, no prompt, the value back.
        f.type("value1", QString());
        QCOMPARE(f.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(f.edit("value1")->text(), QStringLiteral("25"));
        // Only digits can be typed.
        f.type("value1", QStringLiteral("1-2a"));
        QCOMPARE(f.edit("value1")->text(), QStringLiteral("12"));
    }

    // A number counts once it is committed (Enter, or the focus leaving the
    // edit), never while it is half typed; one outside the field's range
    // brings the prompt with that range and the skin's value back. A text's
    // left edge never passes its right one (equal ones, an empty rectangle,
    // are taken: the text is hidden); a picture moves within the screen.
    void numbersCountWhenCommittedAndWithinTheirRange()
    {
        struct Case {
            const char* element;
            const char* field;
            const char* typed;
            bool byFocus;           // the focus leaves instead of Enter
            const char* prompt;     // the range named, "" for none
            ElementId rect;         // written: rectangle record (or 0: the number below)
            SkinRect written;
        };
        const SkinRect date{4, 41, 99, 64};
        const std::vector<Case> cases = {
            {"Date", "x1", "50", false, "", 571, {50, 41, 99, 64}},
            {"Date", "x1", "99", true, "", 571, {99, 41, 99, 64}},
            {"Date", "x1", "100", false, "0 and 99", 571, date},
            {"Date", "x2", "3", false, "4 and 176", 571, date},
            {"Date", "y2", "221", false, "41 and 220", 571, date},
            {"Date", "y1", "99999", false, "0 and 64", 571, date},
            {"Date", "y1", "64", false, "", 571, {4, 64, 99, 64}},
            {"Soft keys/Centre key/State 0", "x1", "177", false, "0 and 176", 681, {60, 150, 100, 170}},
            {"Soft keys/Centre key/State 0", "x1", "170", true, "", 681, {136, 150, 176, 170}},
            {"Clock/Analog clock", "value2", "256", false, "0 and 255", 0, {}},
            {"Clock/Analog clock", "value2", "255", true, "", 0, {}},
        };
        for (const Case& c : cases) {
            const QString name = QStringLiteral("%1 %2=%3").arg(c.element, c.field, c.typed);
            ElementPageFixture f;
            QVERIFY(f.model.setRect(571, date));
            QVERIFY(f.model.setRect(681, {60, 150, 100, 170}));
            QVERIFY(f.model.setNumber(11, 30));
            f.create();
            // The focus leaves an edit only in an active window.
            f.page->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.page.get()));
            QVERIFY2(f.select(path(c.element)), qPrintable(name));
            const auto before = f.lines();
            QLineEdit* edit = f.edit(c.field);
            const QString shown = edit->text();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(c.typed));
            // Half typed: nothing written yet.
            QVERIFY2(f.lines() == before, qPrintable(name));
            if (c.byFocus)
                f.page->tree().setFocus();
            else
                QTest::keyClick(edit, Qt::Key_Return);
            const bool refused = *c.prompt != 0;
            const QStringList prompts =
                refused ? QStringList{QStringLiteral("Please enter an integer between %1.").arg(QLatin1String(c.prompt))}
                        : QStringList{};
            QVERIFY2(f.dialogs.messageTexts() == prompts, qPrintable(name));
            if (refused) {
                QVERIFY2(f.lines() == before && edit->text() == shown, qPrintable(name));
                continue;
            }
            if (c.rect != 0)
                QVERIFY2(editedSkin(f.model).getRect(c.rect) == c.written, qPrintable(name));
            else
                QVERIFY2(editedSkin(f.model).getNumber(11) == QString::fromLatin1(c.typed).toInt(), qPrintable(name));
        }
    }

    // The range prompt speaks the user's language.
    void rangePromptInTheUsersLanguage()
    {
        ElementPageFixture f(QStringLiteral(VELASKIN_DATA_DIR "/Lng/Deutsch.lng"));
        f.create();
        QVERIFY(selectKind(f, ElementKind::Date));
        f.type("value1", QStringLiteral("256"));
        QCOMPARE(f.dialogs.messageTexts(),
                 QStringList({QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein.")}));
    }

    // The analog clock: the hands' colours opaque, the edits their lengths.
    void analogClockHands()
    {
        ElementPageFixture f;
        f.create();
        QVERIFY(f.select(path("Clock/Analog clock")));
        const SkinColour minute = f.model.getColour(12);
        f.type("value2", QStringLiteral("30"));
        f.type("value3", QStringLiteral("20"));
        QCOMPARE(f.model.getNumber(11), 30);
        QCOMPARE(f.model.getNumber(8), 20);
        QCOMPARE(editedSkin(f.model).getColour(12).transparency, -1); // no colour written
        QCOMPARE(f.model.getColour(12), minute);
        f.chooseColour(2, chosen);
        f.chooseColour(3, 0x000000FF);
        QCOMPARE(editedSkin(f.model).getColour(12), (SkinColour{chosen, 0}));
        QCOMPARE(editedSkin(f.model).getColour(9), (SkinColour{0x000000FF, 0}));
    }

    // A key picture's opacity: the left key's state 0 writes state 2's too,
    // and the frame shows it at once.
    void keyOpacities()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        f.type("value1", QStringLiteral("99"));
        QCOMPARE(editedSkin(f.model).getNumber(657), 99);
        QCOMPARE(editedSkin(f.model).getNumber(650), 99);
        QCOMPARE(page.scene().frame(Frame::LeftKey).opacity, 99);
        QVERIFY(f.select(path("Soft keys/Centre key/State 1")));
        f.type("value1", QStringLiteral("5"));
        QCOMPARE(editedSkin(f.model).getNumber(677), 5);
        QCOMPARE(page.scene().frame(Frame::CentreKey).opacity, 5);
    }

    // Texts take a rectangle as typed; pictures and labels move and keep
    // their size, held inside the screen, and the edits show where they are.
    void positions()
    {
        ElementPageFixture f;
        QVERIFY(f.model.setRect(681, {60, 150, 100, 170}));
        QVERIFY(f.model.setRect(562, {0, 0, 20, 10}));
        QVERIFY(f.model.setRect(566, {0, 0, 31, 14}));
        f.create();
        QVERIFY(f.select(path("Date")));
        const SkinRect date = f.model.getRect(571);
        f.type("x2", QStringLiteral("150"));
        QCOMPARE(editedSkin(f.model).getRect(571), (SkinRect{date.left, date.top, 150, date.bottom}));

        QVERIFY(f.select(path("Soft keys/Centre key/State 0")));
        f.type("x1", QStringLiteral("10"));
        QCOMPARE(editedSkin(f.model).getRect(681), (SkinRect{10, 150, 50, 170}));
        const auto edits = [&] {
            return QStringList{f.edit("x1")->text(), f.edit("y1")->text(), f.edit("x2")->text(), f.edit("y2")->text()};
        };
        QCOMPARE(edits(), QStringList({"10", "150", "50", "170"}));
        QCOMPARE(f.page->scene().frame(Frame::CentreKey).rect(), (SkinRect{10, 150, 50, 170}));
        f.type("y1", QStringLiteral("210"));
        QCOMPARE(editedSkin(f.model).getRect(681), (SkinRect{10, 200, 50, 220}));
        QCOMPARE(edits(), QStringList({"10", "200", "50", "220"}));
        QCOMPARE(f.page->frame(Frame::CentreKey).pos(), QPoint(ScreenPreview::inset + 10, ScreenPreview::inset + 200));

        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        f.type("y1", QStringLiteral("7"));
        QCOMPARE(editedSkin(f.model).getRect(651), editedSkin(f.model).getRect(658));
        QCOMPARE(editedSkin(f.model).getRect(658).top, 7);

        // A JoyPad label is placed as it is dropped: its other rectangle follows.
        QVERIFY(f.select(path("JoyPad labels/Up key/State 0")));
        f.type("x1", QStringLiteral("40"));
        f.type("y1", QStringLiteral("50"));
        QCOMPARE(editedSkin(f.model).getRect(562), (SkinRect{40, 50, 60, 60}));
        QCOMPARE(editedSkin(f.model).getRect(566), (SkinRect{35, 48, 66, 62}));
    }

    // The outline level writes the number and the flag, and brings the
    // second and third colour and takes them away.
    void outlineLevelAndUnderline()
    {
        ElementPageFixture f;
        f.model.setNumber(592, 0);
        f.create();
        QVERIFY(f.select(path("Operator name")));
        QVERIFY(f.shown(PropertyPanel::colour1Button));
        QVERIFY(!f.shown(PropertyPanel::colour2Button));
        QVERIFY(!f.shown(PropertyPanel::value3Edit));
        auto* spin = f.child<QSpinBox>("outlineLevel");
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(editedSkin(f.model).getNumber(592), 1);
        QCOMPARE(editedSkin(f.model).getFlag(591), 1);
        QVERIFY(f.shown(PropertyPanel::colour2Button));
        QVERIFY(f.shown(PropertyPanel::value2Edit));
        QVERIFY(!f.shown(PropertyPanel::colour3Button));
        QCOMPARE(f.colourButton(2)->colour(), f.model.getColour(596).colour & 0xFFFFFF);
        QTest::keyClick(spin, Qt::Key_Up);
        QVERIFY(f.shown(PropertyPanel::colour3Button));
        QTest::keyClick(spin, Qt::Key_Down);
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(editedSkin(f.model).getNumber(592), 0);
        QCOMPARE(editedSkin(f.model).getFlag(591), 0);
        QVERIFY(!f.shown(PropertyPanel::colour2Button));
        QVERIFY(!f.shown(PropertyPanel::colour3Button));

        auto* underline = f.child<QCheckBox>("underline");
        const bool was = underline->isChecked();
        QTest::mouseClick(underline, Qt::LeftButton, {}, QPoint(6, underline->height() / 2));
        QCOMPARE(editedSkin(f.model).getFlag(594), was ? 0 : 1);
    }

    void alignmentOfALabelsPlace()
    {
        ElementPageFixture f;
        f.model.setNumber(661, 5);
        f.create();
        QVERIFY(f.select(path("Soft keys/Label style/Left key/State 0")));
        auto* list = f.child<QComboBox>("alignment");
        QCOMPARE(list->currentIndex(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(editedSkin(f.model).getNumber(661), 32);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(editedSkin(f.model).getNumber(661), 16);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(editedSkin(f.model).getNumber(661), 0);
        QCOMPARE(editedSkin(f.model).getNumber(668), -1); // the right key's place is another record
    }

    // A new picture for the left key's state 0 is state 2's too; both
    // rectangles take its size. A file that is no picture changes nothing.
    void newPictures()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        const SkinRect before = f.model.getRect(658);
        const auto unchanged = f.lines();
        f.workspace.writeFile(QStringLiteral("notes.gif"), "not a picture");
        for (const QString& answer : {f.workspace.path(QStringLiteral("notes.gif")),
                                      f.workspace.path(QStringLiteral("missing.gif")), QString()}) {
            f.dialogs.fileAnswers.push_back(answer);
            QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        }
        QCOMPARE(f.lines(), unchanged);
        QCOMPARE(f.dialogs.messageTexts(), QStringList({QStringLiteral("Can't read the picture file."),
                                                        QStringLiteral("Can't read the picture file.")}));
        QCOMPARE(f.dialogs.messages[0].icon, DialogService::Icon::Error);
        QCOMPARE(f.dialogs.questions.back().details,
                 QStringList({QStringLiteral("Pictures (*.gif *.png *.bmp *.jpg *.jpeg)"),
                              QStringLiteral("gif files (*.gif)"), QStringLiteral("png files (*.png)"),
                              QStringLiteral("bmp files (*.bmp)"), QStringLiteral("jpg files (*.jpg)"),
                              QStringLiteral("jpeg files (*.jpeg)"), QStringLiteral("gif")}));

        f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("button.gif"), 30, 12));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        const SkinRect sized{before.left, before.top, before.left + 30, before.top + 12};
        QCOMPARE(editedSkin(f.model).getRect(658), sized);
        QCOMPARE(editedSkin(f.model).getRect(651), sized);
        const std::optional<PictureLocation> state0 = f.model.edited().getPictureLocation(630);
        const std::optional<PictureLocation> state2 = f.model.edited().getPictureLocation(652);
        QVERIFY(state0 && state2);
        QCOMPARE(*state0, *state2);
        QCOMPARE(state0->size, int(QFileInfo(f.workspace.path(QStringLiteral("button.gif"))).size()));
        QCOMPARE(page.frame(Frame::LeftKey).size(), QSize(30, 12));
        QCOMPARE(page.scene().frame(Frame::LeftKey).opacity, f.model.getNumber(657));

        // Another format is stored as the GIF the phone reads.
        QImage drawn(20, 10, QImage::Format_RGB32);
        drawn.fill(qRgb(0, 128, 255));
        QVERIFY(drawn.save(f.workspace.path(QStringLiteral("button.png"))));
        f.dialogs.fileAnswers.push_back(f.workspace.path(QStringLiteral("button.png")));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        std::vector<std::uint8_t> stored;
        QVERIFY(f.model.edited().getPicture(630, stored) > 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(stored.data()), 6), QByteArray("GIF87a"));
        QCOMPARE(editedSkin(f.model).getRect(658), (SkinRect{before.left, before.top, before.left + 20, before.top + 10}));

        // The wallpaper: the record keeps the file's name, the preview shows it.
        QVERIFY(f.select(path("Wallpaper")));
        f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("sea.gif"), 176, 220));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        QCOMPARE(editedSkin(f.model).getWallpaperName(), std::string("sea.gif"));
        QCOMPARE(page.scene().wallpaper.width(), 176);
        QCOMPARE(f.dialogs.questions.back().details,
                 QStringList({QStringLiteral("jpg files (*.jpg)"), QStringLiteral("gif files (*.gif)"), QStringLiteral("jpg")}));
        f.dialogs.fileAnswers.push_back(f.workspace.path(QStringLiteral("notes.gif")));
        QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
        QCOMPARE(editedSkin(f.model).getWallpaperName(), std::string("sea.gif"));
        QCOMPARE(page.scene().wallpaper.width(), 176);
        QCOMPARE(f.dialogs.messages.size(), std::size_t(3));
    }

    // A state button may show another state of the key being edited: an
    // edit shows the element's own state again and writes only its records.
    void editsShowTheEditedStateAgain()
    {
        ElementPageFixture f;
        ElementPage& page = f.create();
        QVERIFY(f.select(path("Soft keys/Left key/State 0")));
        const SkinRect state0 = f.model.getRect(658);
        const SkinRect state1 = f.model.getRect(654);
        QTest::mouseClick(f.child<QPushButton>("leftState"), Qt::LeftButton);
        QCOMPARE(f.view().leftKeyState, 1);
        f.type("x1", QStringLiteral("3"));
        QCOMPARE(f.view().leftKeyState, 0);
        const SkinRect expected{3, state0.top, 3 + state0.right - state0.left, state0.bottom};
        QCOMPARE(editedSkin(f.model).getRect(658), expected);
        QCOMPARE(editedSkin(f.model).getRect(651), expected);
        QCOMPARE(f.model.getRect(654), state1);
        QCOMPARE(page.scene().frame(Frame::LeftKey).rect(), expected);

        QVERIFY(f.select(path("JoyPad labels/Down key/State 1")));
        f.clickBox("joyPadCheck");
        QVERIFY(!f.view().joyPadShown);
        f.type("x1", QStringLiteral("6"));
        QVERIFY(f.view().joyPadShown);
        QCOMPARE(editedSkin(f.model).getRect(567).left, 6);
    }

    // Whatever the user does in an element's panel, only that element's own
    // records change.
    void everyElementWritesOnlyItsOwnRecords()
    {
        for (const ElementEntry& entry : elementTable) {
            const QByteArray kind = QByteArray::number(int(entry.kind));
            ElementPageFixture f;
            f.create();
            QVERIFY2(selectKind(f, entry.kind), kind.constData());
            const auto before = f.lines();

            for (int row = 1; row <= 3; ++row) {
                if (f.shown(PropertyPanel::colour1Button + 2 * (row - 1)))
                    f.chooseColour(row, chosen + std::uint32_t(row));
                if (f.shown(PropertyPanel::value1Edit + 2 * (row - 1)))
                    f.type(("value" + std::to_string(row)).c_str(), QStringLiteral("7"));
            }
            if (f.shown(PropertyPanel::x1Edit)) {
                f.type("x1", QStringLiteral("3"));
                f.type("y1", QStringLiteral("4"));
                f.type("x2", QStringLiteral("60"));
                f.type("y2", QStringLiteral("70"));
            }
            if (f.shown(PropertyPanel::outlineSpin)) {
                QTest::keyClick(f.child<QSpinBox>("outlineLevel"), Qt::Key_Down);
                QTest::keyClick(f.child<QSpinBox>("outlineLevel"), Qt::Key_Up);
            }
            if (f.shown(PropertyPanel::underlineCheck))
                f.clickBox("underline");
            if (f.shown(PropertyPanel::alignmentList))
                QTest::keyClick(f.child<QComboBox>("alignment"), Qt::Key_Down);
            if (f.shown(PropertyPanel::pictureButton)) {
                f.dialogs.fileAnswers.push_back(f.gifFile(QStringLiteral("new.gif"), 20, 10));
                QTest::mouseClick(f.child<QPushButton>("picture"), Qt::LeftButton);
            }

            std::set<Record> own;
            for (const ElementRecord& record : elementRecords(entry))
                own.insert({record.type, record.id, record.listItem});
            const std::set<Record> changed = changedRecords(before, f.lines(), f.model.edited());
            QVERIFY2(!changed.empty(), kind.constData());
            for (const Record& record : changed)
                QVERIFY2(own.count(record) == 1,
                         (kind + " wrote " + QByteArray::number(int(std::get<0>(record))) + " " +
                          QByteArray::number(std::get<1>(record)))
                             .constData());
            QVERIFY2(f.dialogs.messages.empty(), kind.constData());
        }
    }
};

QTEST_MAIN(PropertyPanelTest)
#include "PropertyPanelTest.moc"
