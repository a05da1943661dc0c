#pragma once

#include "document/KeyIndex.h"
#include "document/RecordKey.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of a skin, in order, each exactly as stored (line end included),
// all held in one text buffer: a line is a piece of it. A line that changes
// gets its new text at the end of the buffer (or in its own place when it is
// not longer); the buffer is compacted when more of it is dead than alive.
//
// Record lookups are first match wins, as a scan from the top would find:
// every line that starts with a record key ("T id ", RecordKey::of) is
// counted in an index by that key, kept current by every change, so that the
// lookup of a key takes the same time at a thousand lines as at a million.
// The index is built by the lookups themselves, once they have scanned as
// many lines as the table holds: a load builds none, and a program that looks
// up a record or two never pays for it. So a table is used by one thread at
// a time, also for lookups.
class LineTable {
public:
    // A line: length bytes of the buffer from offset.
    struct Piece {
        std::size_t offset = 0;
        std::size_t length = 0;
    };

    LineTable() = default;
    // The lines are the pieces of text, in order.
    LineTable(std::vector<std::uint8_t> text, std::vector<Piece> pieces);

    int size() const { return int(pieces.size()); }
    bool empty() const { return pieces.empty(); }
    // Valid until the table changes.
    std::string_view line(int index) const
    {
        const Piece& piece = pieces[std::size_t(index)];
        return {reinterpret_cast<const char*>(buffer.data()) + piece.offset, piece.length};
    }

    // Index of the first line that starts with key ('*' in the key matches any
    // one character of the line), or -1. An empty key matches line 0.
    int find(std::string_view key) const;

    // For every line, the first line with the same record key (-1 for a line
    // without one): what find of its key answers, for all lines at once.
    std::vector<int> firstLinesOfKeys() const;

    // index in 0..size()-1 (insert: up to size()).
    void set(int index, std::string_view text);
    void insert(int index, std::string_view text);
    void erase(int index);
    void clear();

    // The bytes of all lines together.
    std::size_t textSize() const { return liveBytes; }
    // The lines one after the other: the skin file's text.
    std::string text() const;

private:
    // The first line from index from on that starts with key; -1 when none does.
    int scan(std::string_view key, int from) const;
    // The first line that starts with a key beginning with recordKey.
    int findRecord(std::string_view key, const RecordKey::OfLine& recordKey) const;
    // firsts (one per line): also the first line of each line's key.
    void buildIndex(std::vector<int>* firsts = nullptr) const;
    // Calls visit(code, index) for every line with a record key, in order.
    template <class Visit>
    void forEachKey(const Visit& visit) const;
    static constexpr std::uint64_t noKey = ~std::uint64_t(0);
    // Puts text at the end of the buffer; its piece.
    Piece store(std::string_view text);
    // True when text lies in the buffer (a line of this table).
    bool holds(std::string_view text) const;
    // The line at index is about to be replaced or erased (indexes are still
    // those before the change): its key's entry lets go of it.
    void forgetKey(int index);
    // The line at index is new: its key's entry takes it in.
    void rememberKey(int index);
    void compactIfWasteful();
    void dropIndex();

    std::vector<std::uint8_t> buffer;
    std::vector<Piece> pieces;
    std::size_t liveBytes = 0;
    mutable KeyIndex keys;
    mutable bool indexed = false;
    // Lines compared by lookups without the index.
    mutable std::size_t scanned = 0;
};
