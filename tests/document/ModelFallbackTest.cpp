#include "DefaultSkinText.h"
#include "DocumentTestSupport.h"
#include "ModelAccess.h"
#include "document/SkinModel.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A model whose default skin holds lines and whose edited skin holds skinLines.
void fill(SkinModel& model, std::initializer_list<std::string> defaultLines, std::initializer_list<std::string> skinLines)
{
    model.adoptDefaultSkin(documentWith(defaultLines));
    model.adoptSkin(documentWith(skinLines));
}

// A default skin the model accepts, whose wallpaper is wall.gif.
std::string defaultWithWallpaper(int lineCount = minimumDefaultSkinLines)
{
    return defaultSkinText({"6 1015 /a/mobile/picture/wall.gif"}, lineCount);
}

} // namespace

TEST(ModelFallback, MissingRecordsComeFromTheDefaultSkin)
{
    SkinModel model;
    fill(model, {"4 595 255 0 0 40", "1 6 1 2 3 4", "2 8 12", "3 9 true", "0 7 3", "0 41 98", "4 1 2 3 0"}, {});
    EXPECT_EQ(model.getColour(595), (SkinColour {0x280000FFu, 40}));
    EXPECT_EQ(model.getRect(6), (SkinRect {1, 2, 4, 5}));
    EXPECT_EQ(model.getNumber(8), 12);
    EXPECT_EQ(model.getFlag(9), 1);
    EXPECT_EQ(model.getListCount(7), 3);
    EXPECT_EQ(model.getFlag(594), -1);
    EXPECT_EQ(model.getNumber(594), -1);
    EXPECT_EQ(model.getPaletteColour(1), (SkinColour {makeColour(1, 2, 3), 0}));
    // Setters write the edited skin only; the palette needs its own block there.
    EXPECT_EQ(model.setPaletteColour(1, 0, 0), 0);
    model.setNumber(8, 3);
    EXPECT_EQ(model.getNumber(8), 3);
    EXPECT_EQ(defaultSkin(model).getNumber(8), 12);
}

TEST(ModelFallback, SentinelValuesInTheSkinAlsoFallBack)
{
    SkinModel model;
    fill(model, {"1 6 1 2 3 4", "2 8 12", "4 5 9 9 9 9"},
         {"1 6 10 20 9 39", "2 8 -5", "4 5 1 2 3 -1", "2 9 -5", "3 9 false"});
    EXPECT_EQ(model.getRect(6), (SkinRect {1, 2, 4, 5}));
    EXPECT_EQ(model.getNumber(8), 12);
    EXPECT_EQ(model.getNumber(9), -1);
    EXPECT_EQ(model.getColour(5).transparency, 9);
    EXPECT_EQ(model.getFlag(9), 0); // a stored false is a value, not a gap
}

TEST(ModelFallback, FirstListEditCopiesTheWholeList)
{
    SkinModel model;
    fill(model, {"0 300 2", "1 0 0 9 9", "1 10 10 19 19"}, {"2 1 1"});
    EXPECT_EQ(model.setListRect({5, 5, 15, 15}, 300, 2), 1);
    EXPECT_EQ(recordsOf(model.edited()), (std::vector<std::string> {"2 1 1", "0 300 2", "1 0 0 9 9", "1 5 5 14 14"}));
    // Later edits change the copy in place.
    EXPECT_EQ(model.setListRect({1, 1, 2, 2}, 300, 1), 1);
    EXPECT_EQ(editedSkin(model).lineCount(), 5);
    EXPECT_EQ(model.getListRect(300, 1), (SkinRect {1, 1, 2, 2}));
    // An item outside the table does not copy the list a second time.
    EXPECT_EQ(model.setListRect({1, 1, 2, 2}, 300, 9), 0);
    EXPECT_EQ(editedSkin(model).lineCount(), 5);
    EXPECT_EQ(model.setListRect({1, 1, 2, 2}, 301, 1), 0);
}

TEST(ModelFallback, ListHeaderCountingPastTheDefaultSkinCopiesOnlyItsLines)
{
    SkinModel model;
    fill(model, {"0 300 2147483647", "1 0 0 9 9"}, {});
    EXPECT_EQ(model.setListRect({5, 5, 15, 15}, 300, 1), 1);
    EXPECT_EQ(recordsOf(model.edited()), (std::vector<std::string> {"0 300 2147483647", "1 5 5 14 14"}));
    EXPECT_EQ(model.setListRect({5, 5, 15, 15}, 300, 5), 0);
}

TEST(ModelFallback, NewSkinTakesThePaletteOfTheDefaultSkin)
{
    SkinModel model;
    TempFolder folder;
    writeFile(folder.path("Def.ski"), defaultWithWallpaper());
    writeFile(folder.path("wall.gif"), "GIF89a-wallpaper");
    ASSERT_EQ(model.loadDefaultSkin(folder.path("Def.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.defaultFolder(), folder.root().string() + "/");

    model.newSkin("New skin");
    EXPECT_EQ(editedSkin(model).path(), "New skin");
    EXPECT_EQ(editedSkin(model).lineCount(), 100);
    EXPECT_EQ(editedSkin(model).lines()[1], "0 41 98\n");
    EXPECT_EQ(editedSkin(model).lines()[99], "4 98 98 98 0\n");
    EXPECT_EQ(editedSkin(model).dataFileCount(), 1);
    EXPECT_EQ(model.wallpaperPath(), folder.path("wall.gif"));
    EXPECT_EQ(std::string(model.wallpaperBytes().begin(), model.wallpaperBytes().end()), "GIF89a-wallpaper");

    SkinModel withoutPalette;
    withoutPalette.adoptDefaultSkin(documentWith({"2 1 1"}));
    withoutPalette.newSkin("New skin");
    EXPECT_EQ(editedSkin(withoutPalette).lineCount(), 1);
    EXPECT_EQ(withoutPalette.wallpaperSize(), -1);
}

TEST(ModelFallback, ShortDefaultSkinIsRefusedButStaysLoaded)
{
    TempFolder folder;
    writeFile(folder.path("Short.ski"), defaultWithWallpaper(minimumDefaultSkinLines - 1));
    SkinModel model;
    EXPECT_EQ(model.loadDefaultSkin(folder.path("Short.ski")), LoadResult::TooShort);
    EXPECT_EQ(defaultSkin(model).lineCount(), minimumDefaultSkinLines - 1);
    EXPECT_EQ(model.defaultFolder(), "");
    EXPECT_EQ(model.loadDefaultSkin(folder.path("Missing.ski")), LoadResult::SkinFileMissing);
}

namespace {

std::string wallpaperText(const SkinModel& model)
{
    return std::string(model.wallpaperBytes().begin(), model.wallpaperBytes().end());
}

} // namespace

TEST(ModelFallback, WallpaperIsReadBesideTheSkinThenFromTheWorkingFolder)
{
    TempFolder work;
    TempFolder skins;
    writeFile(work.path("Def.ski"), defaultWithWallpaper());
    writeFile(work.path("wall.gif"), "default wallpaper");
    writeFile(work.path("own.gif"), "working folder's own");
    writeFile(skins.path("own.gif"), "own beside the skin");
    writeFile(skins.path("a.ski"), "SKI1\n6 1015 /a/mobile/picture/own.gif\n");
    writeFile(skins.path("b.ski"), "SKI1\n6 1015 /a/mobile/picture/elsewhere.gif\n");
    writeFile(skins.path("bad.ski"), "ABC\n");
    CurrentFolder here(work.root());

    SkinModel model;
    ASSERT_EQ(model.loadDefaultSkin(work.path("Def.ski")), LoadResult::Loaded);
    ASSERT_EQ(model.openSkin(skins.path("a.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.wallpaperPath(), skins.path("own.gif"));
    EXPECT_EQ(wallpaperText(model), "own beside the skin");

    // A file that does not load changes nothing: skin, path and wallpaper stay.
    EXPECT_EQ(model.openSkin(skins.path("bad.ski")), LoadResult::NotASkin);
    EXPECT_EQ(model.openSkin(skins.path("missing.ski")), LoadResult::SkinFileMissing);
    EXPECT_EQ(editedSkin(model).path(), skins.path("a.ski"));
    EXPECT_EQ(editedSkin(model).getWallpaperName(), "own.gif");
    EXPECT_EQ(wallpaperText(model), "own beside the skin");

    // Skins of older versions kept their wallpaper in the working folder.
    std::filesystem::remove(skins.path("own.gif"));
    ASSERT_EQ(model.openSkin(skins.path("a.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.wallpaperPath(), "own.gif");
    EXPECT_EQ(wallpaperText(model), "working folder's own");

    // A wallpaper found nowhere: the previous skin's is not shown in its place.
    ASSERT_EQ(model.openSkin(skins.path("b.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.wallpaperSize(), -1);
    EXPECT_TRUE(model.wallpaperBytes().empty());
    EXPECT_FALSE(model.loadWallpaperFile(""));
    EXPECT_FALSE(model.loadWallpaperFile(work.root().string()));

    // A new skin has no folder and no wallpaper of its own: the default skin's.
    model.newSkin("New skin");
    EXPECT_EQ(model.wallpaperPath(), work.path("wall.gif"));
    EXPECT_EQ(wallpaperText(model), "default wallpaper");
}

TEST(ModelFallback, SaveWritesOnlyTheSkinsOwnWallpaperBesideTheSavedFile)
{
    TempFolder work;
    TempFolder pictures;
    TempFolder out;
    writeFile(work.path("Def.ski"), defaultWithWallpaper());
    writeFile(work.path("wall.gif"), "default wallpaper");
    writeFile(pictures.path("sea.gif"), "sea bytes");
    writeFile(out.path("lost.ski"), "SKI1\n6 1015 /a/mobile/picture/lost.gif\n");
    writeFile(out.path("self.ski"), "SKI1\n6 1015 /a/mobile/picture/self.dat\n5 600 0 4 0\n");
    writeFile(out.path("self.dat"), "data");
    CurrentFolder here(work.root());

    SkinModel model;
    ASSERT_EQ(model.loadDefaultSkin(work.path("Def.ski")), LoadResult::Loaded);

    // A new skin shows the default wallpaper but has none of its own to write.
    model.newSkin("New skin");
    EXPECT_EQ(model.saveSkin(out.path("plain.ski")), SaveResult::Saved);
    EXPECT_EQ(out.names(), (std::vector<std::string> {"lost.ski", "plain.ski", "self.dat", "self.ski"}));

    // A chosen wallpaper goes beside the saved skin, not into the working folder.
    model.setWallpaper(pictures.path("sea.gif"));
    EXPECT_EQ(editedSkin(model).getWallpaperName(), "sea.gif");
    EXPECT_EQ(model.wallpaperSize(), 9);
    EXPECT_EQ(model.saveSkin(out.path("mine.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(out.path("sea.gif")), "sea bytes");
    EXPECT_TRUE(readFile(out.path("mine.ski")).ends_with("\n6 1015 /a/mobile/picture/sea.gif\n"));
    EXPECT_FALSE(std::filesystem::exists(work.path("sea.gif")));

    // A name without bytes read for it writes nothing under that name.
    editedSkin(model).setWallpaperName("other.gif");
    EXPECT_EQ(model.saveSkin(out.path("mine.ski")), SaveResult::Saved);
    EXPECT_FALSE(std::filesystem::exists(out.path("other.gif")));

    // An unreadable wallpaper after a readable one: nothing is written in its name.
    ASSERT_EQ(model.openSkin(out.path("lost.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.saveSkin(out.path("lost2.ski")), SaveResult::Saved);
    EXPECT_FALSE(std::filesystem::exists(out.path("lost.gif")));

    // A wallpaper record naming the skin's own data file never overwrites it.
    ASSERT_EQ(model.openSkin(out.path("self.ski")), LoadResult::Loaded);
    EXPECT_EQ(model.wallpaperSize(), 4);
    EXPECT_TRUE(editedSkin(model).setPicture(600, std::vector<std::uint8_t> {'n', 'e', 'w', '!'}));
    EXPECT_EQ(model.saveSkin(out.path("self.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(out.path("self.dat")), "new!");

    // A failed save writes no wallpaper either.
    writeFile(pictures.path("sun.gif"), "sun bytes");
    model.setWallpaper(pictures.path("sun.gif"));
    std::filesystem::create_directory(out.path("blocked.ski"));
    EXPECT_NE(model.saveSkin(out.path("blocked.ski")), SaveResult::Saved);
    EXPECT_FALSE(std::filesystem::exists(out.path("sun.gif")));
}

TEST(ModelFallback, SaveSkinReportsAFailedSave)
{
    TempFolder folder;
    SkinModel model;
    model.newSkin("New skin");
    EXPECT_EQ(model.saveSkin(folder.path("no/such/folder/x.ski")), SaveResult::SkinFileNotWritten);
    SkinModel empty;
    EXPECT_EQ(empty.saveSkin(folder.path("x.ski")), SaveResult::SkinFileNotWritten);
    EXPECT_FALSE(std::filesystem::exists(folder.path("x.ski")));
}

TEST(ModelFallback, SetPictureFromFileStoresTheFileOrReportsZero)
{
    TempFolder folder;
    writeFile(folder.path("p.gif"), "GIF89a");
    SkinModel model;
    model.newSkin("New skin");
    EXPECT_EQ(model.setPictureFromFile(630, folder.path("p.gif")), 1);
    EXPECT_EQ(editedSkin(model).lines().back(), "5 630 0 6 0\n");
    EXPECT_EQ(model.setPictureFromFile(631, folder.path("missing.gif")), 0);
    EXPECT_EQ(model.setPictureFromFile(631, folder.root().string()), 0);
    SkinModel empty;
    EXPECT_EQ(empty.setPictureFromFile(630, folder.path("p.gif")), 0);
}

// The editor reads every data file when it opens a skin and keeps working on
// the bytes it saw; the tool reads a picture when it needs it and refuses
// one whose data file changed on disk since the load, never reading it torn.
TEST(ModelFallback, TheEditorHoldsThePicturesItOpenedTheToolRefusesChangedOnes)
{
    TempFolder folder;
    writeFile(folder.path("s.ski"), "SKI1\n5 630 0 4 0\n");
    writeFile(folder.path("s.dat"), "GIF8");
    const std::vector<std::uint8_t> original {'G', 'I', 'F', '8'};
    std::vector<std::uint8_t> bytes;

    SkinModel editor;
    ASSERT_EQ(editor.openSkin(folder.path("s.ski")), LoadResult::Loaded);
    SkinModel tool;
    ASSERT_EQ(tool.loadSkin(folder.path("s.ski")), LoadResult::Loaded);
    writeFile(folder.path("s.dat"), "XXXXXX");

    EXPECT_EQ(editor.getPicture(630, bytes), 4);
    EXPECT_EQ(bytes, original);
    EXPECT_EQ(editor.saveSkin(folder.path("copy.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("copy.dat")), "GIF8");

    EXPECT_LT(tool.getPicture(630, bytes), 0);
    EXPECT_EQ(editedSkin(tool).unreadableDataFile(), folder.path("s.dat"));
}
