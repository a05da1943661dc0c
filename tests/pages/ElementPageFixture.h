#pragma once

// An element page over the shipped default skin and English texts, offscreen,
// in a throw-away working folder, every question answered by ScriptedDialogs.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "TreeItemAt.h"
#include "document/LanguageTable.h"
#include "document/SkinModel.h"
#include "pages/ElementPage.h"
#include "pages/PropertyPanel.h"
#include "session/SkinSession.h"
#include "widgets/ColourButton.h"
#include "widgets/PreviewFrame.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

// A point of the frame that the mouse can take hold of.
inline QPoint inside(const PreviewFrame& frame)
{
    const QRegion mask = frame.mask();
    return mask.isEmpty() ? QPoint(2, 2) : mask.begin()->topLeft();
}

// Drags the frame with the mouse and drops it.
inline void drag(PreviewFrame& frame, QPoint by)
{
    const QPoint from = inside(frame);
    QTest::mousePress(&frame, Qt::LeftButton, {}, from);
    QTest::mouseMove(&frame, from + by);
    QTest::mouseRelease(&frame, Qt::LeftButton, {}, from + by);
}

class ElementPageFixture {
public:
    explicit ElementPageFixture(const QString& languageFile = QStringLiteral(VELASKIN_DATA_DIR "/Lng/English.lng"))
    {
        loaded = model.loadDefaultSkin(VELASKIN_DATA_DIR "/Default/Vela/Vela.ski") == LoadResult::Loaded &&
                 texts.load(QFile::encodeName(languageFile).toStdString());
        model.newSkin("New skin");
    }

    // The page, shown; call after the skin holds what the test needs.
    ElementPage& create()
    {
        page = std::make_unique<ElementPage>(session, texts);
        page->resize(700, 345);
        page->show();
        return *page;
    }

    // The item at the end of a path of texts from the top level; nullptr when there is none.
    QTreeWidgetItem* item(const QStringList& path) const { return treeItemAt(page->tree(), path); }

    // Selects as a click on the item would.
    bool select(const QStringList& path)
    {
        QTreeWidgetItem* found = item(path);
        if (found)
            page->tree().setCurrentItem(found);
        return found != nullptr;
    }

    template <typename T>
    T* child(const char* name) const
    {
        return page->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    ColourButton* colourButton(int row) const { return child<ColourButton>(("colour" + std::to_string(row)).c_str()); }
    bool shown(int control) const { return !page->control(control)->isHidden(); }

    // Clicks a check box on its box (its right part is no target).
    void clickBox(const char* name) const
    {
        auto* box = child<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // Replaces the edit's text by typing, one key at a time, and commits it with Enter.
    void type(const char* name, const QString& text) const
    {
        QLineEdit* target = edit(name);
        target->selectAll();
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Return);
    }

    // Clicks the button; a colour button's chooser answers with colour.
    void chooseColour(int row, std::uint32_t colour)
    {
        dialogs.colourAnswers.push_back(colour);
        QTest::mouseClick(colourButton(row), Qt::LeftButton);
    }

    std::vector<std::string> lines() const { return editedSkin(model).lines(); }
    const ViewOptions& view() const { return page->scene().view; }

    // A file in the working folder holding a one-colour GIF of that size.
    QString gifFile(const QString& name, int width, int height) const
    {
        const std::vector<std::uint8_t> bytes = GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, 1)).build();
        workspace.writeFile(name, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        return workspace.path(name);
    }

    TestWorkspace workspace;
    ScriptedDialogs dialogs;
    DialogServiceScope scope{dialogs};
    LanguageTable texts;
    SkinSession session {texts};
    // The session's model: tests build the skin in it before the page exists.
    SkinModel& model = session.modelForEdit();
    bool loaded = false;
    std::unique_ptr<ElementPage> page;
};
