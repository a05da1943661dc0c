#pragma once

#include <string>
#include <vector>

// The numbered interface texts of one language file (".lng").
//
// The file is text: a header line, then lines such as "101=New". A line that
// starts with a digit gives the text after its first "=" to its leading
// number; every other line is ignored. The first line carrying a number
// counts; a number the file lacks reads as "NULL".
class LanguageTable {
public:
    LanguageTable() = default;
    virtual ~LanguageTable() = default;
    LanguageTable(const LanguageTable&) = delete;
    LanguageTable& operator=(const LanguageTable&) = delete;

    // Replaces the contents with the lines of the file. False (and an empty
    // table) when the file cannot be read or its first line sorts before
    // "[Lang]". Lines end with LF or CR LF; a last line without a line end is
    // not read. Lines may be of any length.
    bool load(const std::string& path);
    // The text with that number, or "NULL".
    std::string text(int number) const;
    void clear();

    // The path passed to the last successful load; "" while empty.
    const std::string& fileName() const { return loadedPath; }
    // Number of lines held, the header included.
    int count() const { return static_cast<int>(lines.size()); }

    static constexpr const char* missingText = "NULL";

private:
    std::string loadedPath;
    std::vector<std::string> lines; // without their line ends
};
