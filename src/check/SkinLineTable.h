#pragma once

#include "document/SkinTypes.h"

#include <string_view>
#include <vector>

class SkinDocument;

// What each line of a skin is to the editor's lookups: a record with its
// key, an item of a list block, or a line no lookup reads as a record; and
// the line of the file it comes from (a line longer than the reader's limit
// is held as several lines of the table).
class SkinLineTable {
public:
    enum class Kind {
        Magic,        // line 0
        Record,       // "T id ..." with a key that lookups match
        UnreadableKey, // starts with a type digit, but no key matches it
        Item,         // one of the n lines after a list header
        NotARecord,   // does not start with a record type 0..6
        Continuation, // the rest of a file line longer than the reader's limit
    };

    struct Line {
        Kind kind = Kind::NotARecord;
        int fileLine = 0;          // 1-based
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

    // The document must outlive the table: keys view its lines.
    explicit SkinLineTable(const SkinDocument& skin);

    const std::vector<Line>& lines() const { return table; }
    const std::vector<ShortList>& shortLists() const { return shortBlocks; }
    // The 1-based file line of a table index.
    int fileLine(int index) const { return table[std::size_t(index)].fileLine; }

    // The count of a list header's values, when it reads as a count (0 or more).
    static bool readCount(std::string_view values, int& count);

private:
    void classify(const SkinDocument& skin);

    std::vector<Line> table;
    std::vector<ShortList> shortBlocks;
};
