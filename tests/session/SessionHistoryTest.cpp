// Random sequences of every kind of edit on the shipped default skin and on
// a new skin: undo puts the skin back byte for byte, redo makes it again, and
// at every step the skin is what the edits so far make of it from scratch.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "TempFolder.h"
#include "document/LanguageTable.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementTable.h"
#include "session/AlignmentCommand.h"
#include "session/BackToDefaultCommand.h"
#include "session/ColourCommand.h"
#include "session/ElementPictureCommand.h"
#include "session/GiveBackPicturesCommand.h"
#include "session/ImportPicturesCommand.h"
#include "session/NumberCommand.h"
#include "session/OutlineLevelCommand.h"
#include "session/RectCommand.h"
#include "session/ReplacePictureCommand.h"
#include "session/SkinSession.h"
#include "session/UnderlineCommand.h"
#include "session/WallpaperCommand.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace idlescreen;
using testing_support::TempFolder;

namespace {

const std::string defaultSkinPath = VELASKIN_DATA_DIR "/Default/Vela/Vela.ski";

// What a save of the session writes, and the wallpaper it holds.
struct SavedState {
    std::string text;
    std::vector<std::vector<std::uint8_t>> dataFiles;
    std::vector<std::uint8_t> wallpaper;
    std::string wallpaperSource;
    friend bool operator==(const SavedState&, const SavedState&) = default;
};

SavedState stateOf(const SkinSession& session)
{
    const SkinFileContents contents = session.model().edited().saveToBuffers();
    SavedState state {contents.skinText, {}, session.model().wallpaperBytes(), session.model().wallpaperState().source};
    for (const auto& [file, bytes] : contents.dataFiles) {
        state.dataFiles.resize(std::size_t(file) + 1);
        state.dataFiles[std::size_t(file)].assign(bytes.begin(), bytes.end());
    }
    return state;
}

using Edit = std::function<std::unique_ptr<SkinEditCommand>(SkinSession&)>;

std::vector<std::uint8_t> gif(int width, int height, std::uint8_t fill)
{
    return GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, fill)).build();
}

void writeGif(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    testing_support::writeFile(path, std::string(bytes.begin(), bytes.end()));
}

// The edits a test draws from: every kind of command, with random values.
class EditMaker {
public:
    EditMaker(unsigned seed, const TempFolder& folder) : random(seed), folder(folder) {}

    Edit next()
    {
        const ElementEntry& entry = elementTable[pick(elementTable.size())];
        const ElementKind kind = entry.kind;
        switch (pick(13)) {
        case 0: {
            const std::size_t row = pick(3);
            const std::uint32_t colour = std::uint32_t(random()) & 0xFFFFFF;
            const auto typed = std::int32_t(pick(256));
            return [=](SkinSession& s) { return std::make_unique<ColourCommand>(s, kind, row, colour, typed); };
        }
        case 1:
        case 2: { // often, so that runs of typing merge
            const std::size_t row = pick(3);
            const auto value = std::int32_t(pick(256));
            return [=](SkinSession& s) { return std::make_unique<NumberCommand>(s, kind, row, 0x102030, value); };
        }
        case 3: {
            const bool on = pick(2) == 1;
            return [=](SkinSession& s) { return std::make_unique<UnderlineCommand>(s, kind, on); };
        }
        case 4: {
            const auto level = std::int32_t(pick(3));
            return [=](SkinSession& s) { return std::make_unique<OutlineLevelCommand>(s, kind, level); };
        }
        case 5: {
            const int listEntry = int(pick(3));
            return [=](SkinSession& s) { return std::make_unique<AlignmentCommand>(s, kind, listEntry); };
        }
        case 6: {
            const auto rule = RectCommand::Rule(pick(2));
            const SkinRect rect = randomRect();
            return [=](SkinSession& s) { return std::make_unique<RectCommand>(s, kind, rule, rect); };
        }
        case 7: {
            const Frame frame = Frame(pick(frameCount));
            ViewOptions view;
            view.joyPadShown = pick(2) == 1;
            view.leftKeyState = int(pick(3));
            view.centreKeyState = int(pick(4));
            const SkinRect rect = randomRect();
            return [=](SkinSession& s) { return std::make_unique<RectCommand>(s, kind, frame, view, rect); };
        }
        case 8: {
            if (entry.picture == noElement)
                return next();
            const int width = 1 + int(pick(20));
            const int height = 1 + int(pick(20));
            const auto bytes = gif(width, height, std::uint8_t(pick(4)));
            return [=](SkinSession& s) {
                return std::make_unique<ElementPictureCommand>(s, kind, bytes, width, height);
            };
        }
        case 9: {
            const auto bytes = gif(3, 3, std::uint8_t(pick(4)));
            const std::string name = "/pictures/wall" + std::to_string(pick(3)) + ".gif";
            return [=](SkinSession& s) { return std::make_unique<WallpaperCommand>(s, name, bytes); };
        }
        case 10:
            return [=](SkinSession& s) { return std::make_unique<BackToDefaultCommand>(s, kind); };
        case 11: {
            const ElementId id = pictureId();
            const auto bytes = gif(2 + int(pick(3)), 2, std::uint8_t(pick(4)));
            // Often the same bytes again, as a user replacing back and forth does.
            return [=](SkinSession& s) { return std::make_unique<ReplacePictureCommand>(s, id, bytes); };
        }
        default: {
            if (pick(2) == 0) {
                std::vector<ElementId> ids {pictureId(), pictureId()};
                return [=](SkinSession& s) {
                    static std::vector<ElementId> kept;
                    return std::make_unique<GiveBackPicturesCommand>(s, ids, kept);
                };
            }
            const QDir where(QString::fromStdString(folder.root().string()));
            const QStringList paths {where.filePath("630.gif"), where.filePath("0631.gif"), where.filePath("9999.gif")};
            return [=](SkinSession& s) {
                static std::vector<pictureimport::Outcome> judged;
                return std::make_unique<ImportPicturesCommand>(s, paths, judged);
            };
        }
        }
    }

private:
    std::size_t pick(std::size_t count) { return std::size_t(random() % count); }
    ElementId pictureId()
    {
        static constexpr ElementId ids[] = {630, 631, 632, 652, 677, 12345};
        return ids[pick(std::size(ids))];
    }
    SkinRect randomRect()
    {
        const auto left = std::int32_t(pick(200)) - 10;
        const auto top = std::int32_t(pick(240)) - 10;
        return {left, top, left + std::int32_t(pick(60)), top + std::int32_t(pick(40))};
    }

    std::mt19937 random;
    const TempFolder& folder;
};

struct HistoryCase {
    const char* name;
    bool newSkin;
    unsigned seed;
};

void PrintTo(const HistoryCase& c, std::ostream* out)
{
    *out << c.name;
}

class SessionHistory : public ::testing::TestWithParam<HistoryCase> {};

std::unique_ptr<SkinSession> startedSession(const LanguageTable& texts, bool newSkin)
{
    auto session = std::make_unique<SkinSession>(texts);
    EXPECT_EQ(session->loadDefaultSkin(defaultSkinPath), LoadResult::Loaded);
    if (newSkin)
        session->newSkin("New skin");
    else
        EXPECT_EQ(session->open(defaultSkinPath), LoadResult::Loaded);
    return session;
}

} // namespace

TEST_P(SessionHistory, UndoAndRedoAreExactAndEveryStepIsAReplay)
{
    const HistoryCase& c = GetParam();
    TempFolder folder;
    writeGif(folder.path("630.gif"), gif(40, 20, 1));
    writeGif(folder.path("0631.gif"), gif(5, 5, 2));
    writeGif(folder.path("9999.gif"), gif(5, 5, 0));
    LanguageTable texts;
    ASSERT_TRUE(texts.load(VELASKIN_DATA_DIR "/Lng/English.lng"));
    auto session = startedSession(texts, c.newSkin);
    EditMaker maker(c.seed, folder);

    // Forward: the state after each kept command.
    std::vector<SavedState> states {stateOf(*session)};
    std::vector<Edit> edits;
    for (int i = 0; i < 200; ++i) {
        edits.push_back(maker.next());
        session->push(edits.back()(*session));
        // A state per command on the stack: one merged into the last replaces its state.
        if (session->undoStack().index() == int(states.size()))
            states.push_back(stateOf(*session));
        else
            states.back() = stateOf(*session);
        ASSERT_EQ(std::size_t(session->undoStack().index()) + 1, states.size());

        // A replay of every edit so far on a fresh session ends the same.
        {
            auto replay = startedSession(texts, c.newSkin);
            for (const Edit& edit : edits)
                replay->push(edit(*replay));
            ASSERT_EQ(stateOf(*replay), states.back()) << "after edit " << i;
        }
    }
    // Most edits change something; runs of typing merge.
    EXPECT_GT(states.size(), 60u);
    EXPECT_LT(states.size(), 200u);
    EXPECT_TRUE(session->isModified());

    for (std::size_t k = states.size() - 1; k > 0; --k) {
        session->undoStack().undo();
        ASSERT_EQ(stateOf(*session), states[k - 1])
            << "undo to " << k - 1 << " of " << session->undoStack().text(int(k) - 1).toStdString();
    }
    EXPECT_FALSE(session->isModified());
    for (std::size_t k = 1; k < states.size(); ++k) {
        session->undoStack().redo();
        ASSERT_EQ(stateOf(*session), states[k]) << "redo to " << k;
    }
    // What the end state saves is what was there before the undos.
    const std::string saved = folder.path("end.ski");
    ASSERT_EQ(session->save(saved), SaveResult::Saved);
    EXPECT_FALSE(session->isModified());
    SkinDocument reloaded;
    ASSERT_EQ(reloaded.load(saved), LoadResult::Loaded);
    EXPECT_EQ(reloaded.saveToBuffers().skinText, states.back().text);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SessionHistory,
                         ::testing::Values(HistoryCase {"shippedSkin1", false, 1}, HistoryCase {"shippedSkin2", false, 2},
                                           HistoryCase {"newSkin1", true, 3}, HistoryCase {"newSkin2", true, 4}),
                         [](const auto& info) { return std::string(info.param.name); });
