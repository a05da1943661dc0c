#include "cli/CommandTable.h"

#include <array>

namespace cli {

namespace {

constexpr OptionHelp defaultOption{"--default", "DEF.ski",
                                   "Read through the default skin DEF.ski as the editor does: a record the skin lacks "
                                   "comes from the default skin."};
constexpr std::array<OptionHelp, 1> withDefault{defaultOption};
constexpr std::array<OptionHelp, 1> newOptions{
    OptionHelp{"--default", "DEF.ski", "The default skin the new skin starts from (required)."}};
constexpr std::array<OptionHelp, 1> setOptions{
    OptionHelp{"--default", "DEF.ski",
               "Read through the default skin DEF.ski; the first change of a list item copies the whole list from "
               "it."}};
constexpr OptionHelp convertOption{"--convert", "",
                                   "Take pictures of any format Qt reads (PNG, BMP, JPEG, ...) and store them as GIF "
                                   "of at most 256 colours; without it only the file's bytes as given are stored."};
constexpr std::array<OptionHelp, 1> pictureSetOptions{convertOption};
constexpr std::array<OptionHelp, 2> importOptions{defaultOption, convertOption};
constexpr std::array<OptionHelp, 10> renderOptions{
    defaultOption,
    OptionHelp{"--analog", "", "Show the analog clock instead of the digital one."},
    OptionHelp{"--no-wallpaper", "", "Leave the wallpaper out."},
    OptionHelp{"--joypad", "", "Show the JoyPad's keys and labels."},
    OptionHelp{"--left", "0..2", "The state of the left key."},
    OptionHelp{"--right", "0..2", "The state of the right key."},
    OptionHelp{"--centre", "0..3", "The state of the centre key."},
    OptionHelp{"--focus-rects", "", "Draw the focus rectangles."},
    OptionHelp{"--lng", "FILE.lng", "Take the JoyPad labels' captions from this language file (else English)."},
    OptionHelp{"--scale", "1..16", "Enlarge the screen this many times by whole pixels."},
};

constexpr CommandHelp commands[] = {
    {"info", "SKIN.ski", "", "Print the skin's line count, its data files and their sizes, its picture count "
                             "and its wallpaper.", {}},
    {"get", "[--default DEF.ski] SKIN.ski KIND ID [INDEX]",
     "KIND: colour ID | palette K | rect ID | listrect ID INDEX | number ID\n      | flag ID | listcount ID | wallpaper",
     "Print one value of the skin: a colour as R G B T, a rectangle as LEFT TOP RIGHT BOTTOM, a number, a flag, a "
     "list's length or the wallpaper's name.",
     withDefault},
    {"set", "[--default DEF.ski] SKIN.ski KIND ID VALUE...",
     "colour ID R G B T | palette K R G B T | rect ID L T R B\n| listrect ID INDEX L T R B | number ID N | flag ID 0|1 "
     "| wallpaper PATH",
     "Change one value of the skin and save it.", setOptions},
    {"new", "--default DEF.ski OUT.ski", "", "Write a new, empty skin that reads through DEF.ski.", newOptions},
    {"pictures", "SKIN.ski", "", "Print one line per picture record: ID OFFSET SIZE FILE.", {}},
    {"picture get", "[--default DEF.ski] SKIN.ski ID OUT|-",
     "", "Write picture ID's bytes as stored to OUT, or to standard output for -.", withDefault},
    {"picture set", "[--convert] SKIN.ski ID FILE", "", "Store FILE as picture ID of the skin and save it.",
     pictureSetOptions},
    {"picture remove", "SKIN.ski ID", "", "Remove the skin's own picture ID, so that the default skin's shows.", {}},
    {"picture link", "SKIN.ski FIRST SECOND", "",
     "Make picture SECOND share the bytes of picture FIRST.", {}},
    {"export", "[--default DEF.ski] SKIN.ski DIR [ID...]", "",
     "Write the given pictures, or every picture, as DIR/ID.gif with their bytes as stored.", withDefault},
    {"import", "[--default DEF.ski] [--convert] SKIN.ski DIR",
     "--convert: PNG, BMP, JPEG, ... become GIF of at most 256 colours",
     "Store every numbered picture of DIR (630.gif, 0675.gif) whose size is that of the default skin's picture of "
     "the same id; print one verdict per file (ok, undecodable, wrong-size W H (default W H), no-default) and save "
     "the skin once when anything was stored.",
     importOptions},
    {"gif", "FILE", "",
     "Print the picture's logical screen, then \"still\" or one line per frame that decodes: frame I LEFT TOP "
     "WIDTH HEIGHT DELAY DISPOSAL.",
     {}},
    {"render",
     "[--default DEF.ski] SKIN.ski OUT.png [--analog] [--no-wallpaper] [--joypad] [--left 0..2] [--right 0..2] "
     "[--centre 0..3] [--focus-rects] [--lng FILE.lng] [--scale 1..16]",
     "", "Draw the idle screen as the editor's element page shows it in that state, as a PNG (- for standard "
     "output).",
     renderOptions},
    {"check", "[--default DEF.ski] SKIN.ski", "one line \"LINE: CODE: text\" per finding; exit 4 when there is any",
     "Print one line LINE: CODE: text per finding, ordered by line (0 for the skin as a whole). With --default "
     "also the pictures' sizes and ids are checked against the default skin.",
     withDefault},
};

constexpr std::array<ExitCodeHelp, 5> exitCodes{{
    {0, "Done."},
    {1, "The command line is wrong; the usage follows on standard error."},
    {2, "A skin (or render's language file) cannot be loaded, or it is locked by a save under way."},
    {3, "A skin (or render's output) cannot be saved, or another program holds its lock too long."},
    {4, "What was asked for was refused or is not there, or check found something wrong."},
}};

constexpr std::string_view epilogue =
    "Rectangles are LEFT TOP RIGHT BOTTOM with right and bottom exclusive.\n"
    "Commands wait for another program changing the skin up to\n"
    "VELASKIN_LOCK_WAIT milliseconds (10000 when unset), then exit with 3 (2 when\n"
    "they only read it).\n";

constexpr std::size_t lineWidth = 80;

// "  NAME SYNOPSIS", wrapped between words, continued under the synopsis' start.
void appendSynopsis(std::string& out, const CommandHelp& command, std::string_view lead)
{
    const std::string start = std::string(lead) + std::string(command.name) + ' ';
    out += start;
    std::size_t column = start.size();
    std::string_view rest = command.synopsis;
    bool first = true;
    while (!rest.empty()) {
        const std::size_t cut = rest.find(' ', rest.front() == '[' ? rest.find(']') : 0);
        const std::string_view word = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        if (!first && column + 1 + word.size() > lineWidth) {
            out += '\n';
            out.append(start.size(), ' ');
            column = start.size();
        } else if (!first) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        first = false;
    }
    out += '\n';
}

void appendNotes(std::string& out, std::string_view notes)
{
    while (!notes.empty()) {
        const std::size_t end = notes.find('\n');
        out += "      ";
        out += notes.substr(0, end);
        out += '\n';
        notes = end == std::string_view::npos ? std::string_view{} : notes.substr(end + 1);
    }
}

} // namespace

std::string wrapped(std::string_view text, std::size_t indent)
{
    std::string out;
    std::size_t column = 0;
    while (!text.empty()) {
        const std::size_t cut = text.find(' ');
        const std::string_view word = text.substr(0, cut);
        text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
        if (column > indent && column + 1 + word.size() > lineWidth) {
            out += '\n';
            column = 0;
        }
        if (column == 0) {
            out.append(indent, ' ');
            column = indent;
        } else {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
    }
    return out + '\n';
}

std::span<const CommandHelp> commandTable()
{
    return commands;
}

std::span<const ExitCodeHelp> exitCodeTable()
{
    return exitCodes;
}

std::string_view usageEpilogue()
{
    return epilogue;
}

std::string usageText()
{
    std::string out = "usage: velaskin-cli COMMAND ...\n";
    for (const CommandHelp& command : commandTable()) {
        appendSynopsis(out, command, "  ");
        appendNotes(out, command.notes);
    }
    out += "Each COMMAND --help tells more.\n";
    out += epilogue;
    return out;
}

std::string commandHelpText(std::string_view words)
{
    std::string out;
    for (const CommandHelp& command : commandTable()) {
        const bool named = command.name == words
                           || (command.name.size() > words.size() && command.name.starts_with(words)
                               && command.name[words.size()] == ' ');
        if (!named)
            continue;
        if (!out.empty())
            out += '\n';
        appendSynopsis(out, command, "usage: velaskin-cli ");
        appendNotes(out, command.notes);
        out += wrapped(command.summary, 0);
        for (const OptionHelp& option : command.options) {
            out += "  ";
            out += option.name;
            if (!option.argument.empty())
                out += std::string(" ") + std::string(option.argument);
            out += '\n';
            out += wrapped(option.text, 6);
        }
    }
    return out;
}

} // namespace cli
