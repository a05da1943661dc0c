#pragma once

// The number of every interface text the program asks a LanguageTable for,
// each written once, grouped by where the text shows. Every shipped language
// file has a line for each of them. Standard C++ only.

#include <array>
#include <cstddef>

namespace langtext {

// The language's name for Qt's own dialogs and buttons ("de").
inline constexpr int qtLocale = 0;

// Messages shared by several windows.
namespace message {
inline constexpr int cannotReadPicture = 11;
inline constexpr int pictureOtherSize = 13; // the new picture's size is not the default picture's
} // namespace message

// The main window: its menus, tabs, file dialogs and messages.
namespace menu {
inline constexpr int file = 100;
inline constexpr int newSkin = 101;
inline constexpr int open = 102;
inline constexpr int save = 103;
inline constexpr int saveAs = 104;
inline constexpr int exit = 105;
inline constexpr int checkSkin = 400;
inline constexpr int options = 200;
inline constexpr int language = 201;
inline constexpr int defaultSkin = 203;
inline constexpr int focusRect = 204;
inline constexpr int refresh = 206;
inline constexpr int about = 300;
} // namespace menu

namespace shell {
inline constexpr int cannotOpenSkin = 10; // the reason follows on a line of its own
inline constexpr int cannotLoadDefaultSkin = 12;
inline constexpr int allFiles = 106;         // file dialogs: the filter of every file
inline constexpr int replaceOtherFile = 107; // Save As writes another file than the one named
inline constexpr int cannotSaveSkin = 108;   // the path follows
inline constexpr int selectLanguage = 202;
inline constexpr int selectDefaultSkin = 205;
inline constexpr int elementsTab = 1000;
inline constexpr int imagesTab = 3000;
inline constexpr int newSkinTitle = 510; // the window's title while a new skin has no file
// Asked at start-up and by the Language command, also with no language loaded.
inline constexpr int noStartLanguage = 511;
inline constexpr int languageReplaced = 512; // "%1" the file that failed, "%2" the one loaded instead
inline constexpr int noLanguage = 513;
inline constexpr int fileFilter = 514; // "%1" an extension without its dot
inline constexpr int aboutTitle = 515;
inline constexpr int aboutMadeBy = 516;
inline constexpr int nothingOpen = 517; // the window's hint while no skin is open
inline constexpr int createSkin = 518;
inline constexpr int openSkin = 519;
inline constexpr int recentSkins = 520;
inline constexpr int recentSkinGone = 521; // "%1" the file
} // namespace shell

// Why a skin did not load; "%1" the file it failed on.
namespace loading {
inline constexpr int fileMissing = 500;
inline constexpr int fileUnreadable = 501;
inline constexpr int notASkin = 502;
inline constexpr int dataFileMissing = 503;
inline constexpr int dataFileUnreadable = 504;
inline constexpr int tooShort = 505;
// Opened all the same: "%1" the data file, "%2" the pictures it is too short for.
inline constexpr int picturesBeyondData = 506;
} // namespace loading

// Texts made of two others: "Left key: State 0", "Operator name: inner outline colour".
namespace pair {
inline constexpr int nameAndDetail = 522; // "%1: %2"
inline constexpr int elementInState = 523; // "%1, %2": a tree item and the state under it
} // namespace pair

// The colours as a colour chooser's title names them, after the element.
namespace colourTitle {
inline constexpr int background = 530;
inline constexpr int text = 531;
inline constexpr int inner = 532;
inline constexpr int outer = 533;
inline constexpr int minuteHand = 534;
inline constexpr int hourHand = 535;
} // namespace colourTitle

// The skin check's list: its title, its lines and the sentences of the findings.
namespace check {
inline constexpr int title = 401;
inline constexpr int nothingFound = 402;
inline constexpr int findingOnLine = 403; // "Line %1: %2"
inline constexpr int findingOnSkin = 404; // a finding about the skin as a whole: "%1"
inline constexpr int unreadableKey = 405;
inline constexpr int unreadableValues = 406;
inline constexpr int unreadableNumber = 407;
inline constexpr int unreadableFlag = 408;
inline constexpr int unreadableCount = 409;
inline constexpr int unreadableItem = 410;
inline constexpr int notARecord = 411;
inline constexpr int lineTooLong = 412;
inline constexpr int alreadySet = 413;
inline constexpr int listRunsPastEnd = 414;
inline constexpr int pictureOutsideData = 415;
inline constexpr int pictureInMissingFile = 416;
inline constexpr int pictureDoesNotDecode = 417;
inline constexpr int pictureOtherSize = 418;
inline constexpr int pictureNotInDefault = 419;
inline constexpr int rectInverted = 420;
inline constexpr int rectOffScreen = 421;
inline constexpr int colourOutOfRange = 422;
inline constexpr int paletteItemOutOfRange = 423;
inline constexpr int wallpaperNotFound = 424;
inline constexpr int dataNotCovered = 425;
} // namespace check

// The element page beside its tree and panel.
namespace elementPage {
inline constexpr int cannotLoadWallpaper = 15;
inline constexpr int backToDefault = 430; // the tree's menu
inline constexpr int wallpaperBox = 1016;
inline constexpr int analogClockBox = 1017;
inline constexpr int joyPadBox = 1018;
} // namespace elementPage

// The element tree's items. The tree tells elements apart by these texts.
namespace tree {
inline constexpr int background = 1001;
inline constexpr int wallpaper = 1002;
inline constexpr int operatorName = 1003;
inline constexpr int date = 1004;
inline constexpr int clock = 1005;
inline constexpr int digitalClock = 1006;
inline constexpr int analogClock = 1007;
inline constexpr int softKeys = 1008;
inline constexpr int labelStyle = 1009;
inline constexpr int centreKey = 1014;
inline constexpr int joyPadLabels = 1015;
inline constexpr int state0 = 908;
inline constexpr int state1 = 909;
inline constexpr int state2 = 910;
inline constexpr int state3 = 911;
} // namespace tree

// The keys' names: tree items, and the captions of the JoyPad labels.
namespace keyName {
inline constexpr int up = 1010;
inline constexpr int down = 1011;
inline constexpr int left = 1012;
inline constexpr int right = 1013;
} // namespace keyName

// The property panel.
namespace panel {
inline constexpr int backgroundColour = 901;
inline constexpr int textColour = 902;
inline constexpr int innerColour = 903;
inline constexpr int outerColour = 904;
inline constexpr int transparency = 905;
inline constexpr int picture = 906;
inline constexpr int position = 907;
inline constexpr int outlineLevel = 912;
inline constexpr int underline = 913;
inline constexpr int alignment = 914;
inline constexpr int alignLeft = 915;
inline constexpr int alignRight = 916;
inline constexpr int alignCentre = 917;
inline constexpr int rangePrompt = 431; // the lowest and the highest number allowed
inline constexpr int minuteHand = 10071;
inline constexpr int hourHand = 10072;
inline constexpr int handLength = 10073;
} // namespace panel

// The images page and its import dialog.
namespace images {
inline constexpr int notRestored = 14;  // follows the picture's name
inline constexpr int exportFailed = 426; // the files that could not be written follow, one per line
inline constexpr int width = 3001;
inline constexpr int height = 3002;
inline constexpr int bytes = 3003;
inline constexpr int nameHeading = 3004;
inline constexpr int replace = 3005;
inline constexpr int importFolder = 3006;
inline constexpr int giveBack = 3007;
inline constexpr int exportPictures = 3008;
inline constexpr int background = 3009;
inline constexpr int close = 3010;
inline constexpr int importTitle = 3011;
inline constexpr int onlyOnePicture = 3012; // Replace with no row or several rows selected
inline constexpr int cannotOpenPicture = 3013;
inline constexpr int defaultDat = 3014; // "Dat" of a picture the default skin supplies
inline constexpr int rowPrefix = 3015;  // before the picture's id
inline constexpr int datHeading = 3016;
inline constexpr int importedOk = 3017;
inline constexpr int importFailed = 3018;
inline constexpr int noDefaultPicture = 3019; // an import's verdict for a number without a default picture
inline constexpr int pictureSizes = 3020;     // the picture's width and height, then the default picture's
inline constexpr int sizeHeading = 3021;      // the column of the size a picture must have
inline constexpr int filterPrompt = 3022;
inline constexpr int transparentPixels = 3023; // how the preview shows them: the view option's title
inline constexpr int checkerboard = 3024;
inline constexpr int picturesExported = 3025; // the count and the folder
inline constexpr int pictureExported = 3026;  // the file
inline constexpr int keyState = 3027;         // within a picture's name: "state %1"
inline constexpr int pictureFiles = 3028;     // the file question's filter of every picture format
} // namespace images

// The Edit menu, the texts of the edits (each with the element's name for
// %1), and the question before unsaved changes are dropped.
namespace edit {
inline constexpr int menu = 440;
inline constexpr int undo = 441; // the edit's text for %1
inline constexpr int redo = 442;
inline constexpr int colour = 443;
inline constexpr int transparency = 444;
inline constexpr int handLength = 445;
inline constexpr int outline = 446;
inline constexpr int underline = 447;
inline constexpr int alignment = 448;
inline constexpr int move = 449;
inline constexpr int picture = 450;
inline constexpr int wallpaper = 451;
inline constexpr int backToDefault = 452;
inline constexpr int replacePicture = 453; // the picture's name for %1
inline constexpr int importPictures = 454;
inline constexpr int giveBackPictures = 455;
inline constexpr int saveChanges = 456; // the skin's name for %1
} // namespace edit

// The View menu: the preview's enlargement and its pixel grid.
namespace view {
inline constexpr int menu = 470;
inline constexpr int zoomIn = 471;
inline constexpr int zoomOut = 472;
inline constexpr int actualSize = 473;
inline constexpr int fit = 474;
inline constexpr int pixelGrid = 475;
} // namespace view

// Every number above, once; a new text goes here too.
inline constexpr std::array everyNumber = {
    qtLocale,
    message::cannotReadPicture, message::pictureOtherSize,
    menu::file, menu::newSkin, menu::open, menu::save, menu::saveAs, menu::exit, menu::checkSkin, menu::options,
    menu::language, menu::defaultSkin, menu::focusRect, menu::refresh, menu::about,
    shell::cannotOpenSkin, shell::cannotLoadDefaultSkin, shell::allFiles, shell::replaceOtherFile,
    shell::cannotSaveSkin, shell::selectLanguage, shell::selectDefaultSkin, shell::elementsTab, shell::imagesTab,
    shell::newSkinTitle, shell::noStartLanguage, shell::languageReplaced, shell::noLanguage, shell::fileFilter,
    shell::aboutTitle, shell::aboutMadeBy, shell::nothingOpen, shell::createSkin, shell::openSkin,
    shell::recentSkins, shell::recentSkinGone,
    loading::fileMissing, loading::fileUnreadable, loading::notASkin, loading::dataFileMissing,
    loading::dataFileUnreadable, loading::tooShort, loading::picturesBeyondData,
    pair::nameAndDetail, pair::elementInState,
    colourTitle::background, colourTitle::text, colourTitle::inner, colourTitle::outer, colourTitle::minuteHand,
    colourTitle::hourHand,
    check::title, check::nothingFound, check::findingOnLine, check::findingOnSkin, check::unreadableKey,
    check::unreadableValues, check::unreadableNumber, check::unreadableFlag, check::unreadableCount,
    check::unreadableItem, check::notARecord, check::lineTooLong, check::alreadySet, check::listRunsPastEnd,
    check::pictureOutsideData, check::pictureInMissingFile, check::pictureDoesNotDecode, check::pictureOtherSize,
    check::pictureNotInDefault, check::rectInverted, check::rectOffScreen, check::colourOutOfRange,
    check::paletteItemOutOfRange, check::wallpaperNotFound, check::dataNotCovered,
    elementPage::cannotLoadWallpaper, elementPage::backToDefault, elementPage::wallpaperBox,
    elementPage::analogClockBox, elementPage::joyPadBox,
    tree::background, tree::wallpaper, tree::operatorName, tree::date, tree::clock, tree::digitalClock,
    tree::analogClock, tree::softKeys, tree::labelStyle, tree::centreKey, tree::joyPadLabels, tree::state0,
    tree::state1, tree::state2, tree::state3,
    keyName::up, keyName::down, keyName::left, keyName::right,
    panel::backgroundColour, panel::textColour, panel::innerColour, panel::outerColour, panel::transparency,
    panel::picture, panel::position, panel::outlineLevel, panel::underline, panel::alignment, panel::alignLeft,
    panel::alignRight, panel::alignCentre, panel::rangePrompt, panel::minuteHand, panel::hourHand,
    panel::handLength,
    images::notRestored, images::exportFailed, images::width, images::height, images::bytes, images::nameHeading,
    images::replace, images::importFolder, images::giveBack, images::exportPictures, images::background,
    images::close, images::importTitle, images::onlyOnePicture, images::cannotOpenPicture, images::defaultDat,
    images::rowPrefix, images::datHeading, images::importedOk, images::importFailed, images::noDefaultPicture,
    images::pictureSizes, images::sizeHeading, images::filterPrompt, images::transparentPixels, images::checkerboard,
    images::picturesExported, images::pictureExported, images::keyState, images::pictureFiles,
    edit::menu, edit::undo, edit::redo, edit::colour, edit::transparency, edit::handLength, edit::outline,
    edit::underline, edit::alignment, edit::move, edit::picture, edit::wallpaper, edit::backToDefault,
    edit::replacePicture, edit::importPictures, edit::giveBackPictures, edit::saveChanges,
    view::menu, view::zoomIn, view::zoomOut, view::actualSize, view::fit, view::pixelGrid,
};

constexpr bool numbersAreDistinct()
{
    for (std::size_t i = 0; i < everyNumber.size(); ++i)
        for (std::size_t j = i + 1; j < everyNumber.size(); ++j)
            if (everyNumber[i] == everyNumber[j])
                return false;
    return true;
}
// Two names for one number would let one text be changed for the other's window.
static_assert(numbersAreDistinct(), "each text number has one name");

} // namespace langtext
