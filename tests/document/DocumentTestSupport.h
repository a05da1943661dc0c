#pragma once

#include "SkinDocument.h"
#include "TempFolder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace testing_support {

inline std::vector<std::uint8_t> bytesOf(std::size_t count, std::uint8_t first = 0)
{
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = std::uint8_t(first + i);
    return bytes;
}

// A document whose lines are "SKI1\n" followed by the given lines (each gets
// its "\n"), with one data file of dataBytes bytes (byte i has the value i % 256).
inline SkinDocument documentWith(std::initializer_list<std::string> lines, std::size_t dataBytes = 0)
{
    SkinDocument document;
    document.createNew("test");
    for (const std::string& line : lines)
        document.appendLine(line + "\n");
    if (dataBytes > 0)
        document.appendPictureData(0, bytesOf(dataBytes));
    return document;
}

// The lines of a document without their line ends, line 0 left out.
inline std::vector<std::string> recordsOf(const SkinDocument& document)
{
    std::vector<std::string> result;
    for (std::size_t i = 1; i < document.lines().size(); ++i) {
        std::string line = document.lines()[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        result.push_back(line);
    }
    return result;
}

// The text of a default skin of lineCount lines: the magic line, a palette
// block "0 41 98" whose item k is "4 k k k 0", a wallpaper record naming
// wallpaper (when not empty), then numbers "2 id id" up to lineCount lines.
inline std::string defaultSkinText(int lineCount, const std::string& wallpaper = "wall.gif")
{
    std::string text = "SKI1\n0 41 98\n";
    for (int k = 1; k <= 98; ++k)
        text += "4 " + std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(k) + " 0\n";
    int lines = 100;
    if (!wallpaper.empty()) {
        text += "6 1015 /a/mobile/picture/" + wallpaper + "\n";
        ++lines;
    }
    for (int id = 10000; lines < lineCount; ++id, ++lines)
        text += "2 " + std::to_string(id) + " " + std::to_string(id) + "\n";
    return text;
}

// Runs in folder for the life of the object (wallpaper files are read and
// written relative to the current folder).
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous;
};

} // namespace testing_support
