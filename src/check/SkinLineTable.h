#pragma once

#include "document/SkinTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

class SkinDocument;

// What each line of a skin is to the editor's lookups: a record with its
// key, an item of a list block, or a line no lookup reads as a record; and
// the line of the file it comes from (a line longer than the reader's limit
// is held as several lines of the table). The lines are classified one after
// the other, from the top, as a check walks them: nothing is held per line
// but the first line of its key, so that a skin of a million records is
// checked in about the memory it takes to hold it.
class SkinLineTable {
public:
    enum class Kind : std::uint8_t {
        Magic,        // line 0
        Record,       // "T id ..." with a key that lookups match
        UnreadableKey, // starts with a type digit, but no key matches it
        Item,         // one of the n lines after a list header
        NotARecord,   // does not start with a record type 0..6
        Continuation, // the rest of a file line longer than the reader's limit
    };

    struct Line {
        int index = 0;
        Kind kind = Kind::NotARecord;
        std::string_view text;     // the line as stored
        std::string_view key;      // the key a lookup matches this line with ("" when none)
        RecordType type = RecordType::ListHeader; // Record, UnreadableKey
        ElementId id = 0;          // Record: its id; Item: the id of its list
        int itemIndex = 0;         // Item: 1..n
        int firstWithKey = -1;     // Record: index of the first line a lookup of its key finds
    };

    // A list header whose count runs past the end of the skin.
    struct ShortList {
        int header = 0;     // index of the header line
        int count = 0;      // what it counts
        int available = 0;  // lines after it
    };

    // The document must outlive the table and stay as it is: lines view it.
    explicit SkinLineTable(const SkinDocument& skin);

    // The next line, from line 0 on; false after the last.
    bool next(Line& line);
    // Complete once every line was walked.
    const std::vector<ShortList>& shortLists() const { return shortBlocks; }
    // The 1-based file line of a line walked already.
    int fileLine(int index) const;
    // The key of a record line walked already.
    std::string_view key(int index) const;

    // The count of a list header's values, when it reads as a count (0 or more).
    static bool readCount(std::string_view values, int& count);

private:
    const SkinDocument& skin;
    std::vector<int> firstWithKey;
    std::vector<int> withoutLineEnd; // lines walked that do not end in a line feed
    std::vector<ShortList> shortBlocks;
    int nextIndex = 0;
    int itemsLeft = 0;
    ElementId list = 0;
    int nextItem = 1;
};
