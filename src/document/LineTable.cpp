#include "document/LineTable.h"

#include "document/RecordKey.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <unordered_map>

namespace {

// Below this many dead bytes the buffer is never compacted.
constexpr std::size_t smallestWaste = 4096;

bool matchesWithWildcards(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    for (std::size_t j = 0; j < key.size(); ++j) {
        if (key[j] != '*' && key[j] != line[j])
            return false;
    }
    return true;
}

} // namespace

LineTable::LineTable(std::vector<std::uint8_t> text, std::vector<Piece> lines)
    : buffer(std::move(text)), pieces(std::move(lines))
{
    for (const Piece& piece : pieces)
        liveBytes += piece.length;
}

int LineTable::find(std::string_view key) const
{
    if (pieces.empty())
        return -1;
    if (key.empty())
        return 0;
    if (key.find('*') != std::string_view::npos) {
        for (int i = 0; i < size(); ++i) {
            if (matchesWithWildcards(line(i), key))
                return i;
        }
        return -1;
    }
    // A key that starts with a record key can only match lines with that key.
    const auto recordKey = RecordKey::of(key);
    if (!recordKey)
        return scan(key, 0);
    if (!indexed && (scanned < pieces.size() || pieces.size() > std::size_t(KeyIndex::largestLine))) {
        const int found = scan(key, 0);
        scanned += found < 0 ? pieces.size() : std::size_t(found) + 1;
        return found;
    }
    return findRecord(key, *recordKey);
}

int LineTable::findRecord(std::string_view key, const RecordKey::OfLine& recordKey) const
{
    if (!indexed)
        buildIndex();
    const std::optional<KeyIndex::Entry> entry = keys.find(recordKey.code());
    if (!entry)
        return -1;
    if (key.size() == recordKey.length || line(entry->first).starts_with(key))
        return entry->first;
    // A longer key ("0 41 98"): a later line of the same record key may be it.
    return scan(key, entry->first + 1);
}

template <class Visit>
void LineTable::forEachKey(const Visit& visit) const
{
    // In runs: the places of a run's keys are fetched together, not one
    // after the other.
    constexpr int run = 32;
    std::uint64_t codes[run];
    for (int start = 0; start < size(); start += run) {
        const int count = std::min(run, size() - start);
        const bool prefetch = keys.wantsPrefetch();
        for (int i = 0; i < count; ++i) {
            const auto key = RecordKey::of(line(start + i));
            codes[i] = key ? key->code() : noKey;
            if (key && prefetch)
                keys.prefetch(codes[i]);
        }
        for (int i = 0; i < count; ++i) {
            if (codes[i] != noKey)
                visit(codes[i], start + i);
        }
    }
}

void LineTable::buildIndex(std::vector<int>* firsts) const
{
    if (pieces.size() > std::size_t(KeyIndex::largestLine))
        return;
    keys.reserve(pieces.size());
    // Lines are added in order: the first line of a key is known as soon as
    // its line is added.
    if (firsts)
        forEachKey([&](std::uint64_t code, int index) { (*firsts)[std::size_t(index)] = keys.add(code, index); });
    else
        forEachKey([this](std::uint64_t code, int index) { keys.add(code, index); });
    indexed = true;
}

std::vector<int> LineTable::firstLinesOfKeys() const
{
    std::vector<int> first(pieces.size(), -1);
    const bool built = !indexed;
    if (built)
        buildIndex(&first);
    if (!indexed) {
        // Too many lines for the index's cells: a map of its own.
        std::unordered_map<std::uint64_t, int> seen;
        for (int i = 0; i < size(); ++i) {
            if (const auto key = RecordKey::of(line(i)))
                first[std::size_t(i)] = seen.emplace(key->code(), i).first->second;
        }
        return first;
    }
    if (!built)
        forEachKey([&](std::uint64_t code, int index) { first[std::size_t(index)] = keys.find(code)->first; });
    return first;
}

int LineTable::scan(std::string_view key, int from) const
{
    const char* text = reinterpret_cast<const char*>(buffer.data());
    for (int i = from; i < size(); ++i) {
        const Piece& piece = pieces[std::size_t(i)];
        if (piece.length >= key.size() && std::memcmp(text + piece.offset, key.data(), key.size()) == 0)
            return i;
    }
    return -1;
}

LineTable::Piece LineTable::store(std::string_view text)
{
    const Piece piece {buffer.size(), text.size()};
    buffer.insert(buffer.end(), text.begin(), text.end());
    return piece;
}

bool LineTable::holds(std::string_view text) const
{
    const std::less<const void*> before;
    return !before(text.data(), buffer.data()) && before(text.data(), buffer.data() + buffer.size());
}

void LineTable::set(int index, std::string_view text)
{
    // The text may be a line of this table: the buffer may move below.
    if (holds(text))
        return set(index, std::string(text));
    // A setter rewrites a record under its own key: the index stays as it is.
    const auto oldKey = indexed ? RecordKey::of(line(index)) : std::nullopt;
    const auto newKey = indexed ? RecordKey::of(text) : std::nullopt;
    const bool sameKey = !indexed || (oldKey && newKey ? oldKey->code() == newKey->code() : !oldKey && !newKey);
    if (!sameKey)
        forgetKey(index);
    Piece& piece = pieces[std::size_t(index)];
    liveBytes = liveBytes - piece.length + text.size();
    if (text.size() <= piece.length) {
        if (!text.empty())
            std::memcpy(buffer.data() + piece.offset, text.data(), text.size());
        piece.length = text.size();
    } else {
        piece = store(text);
    }
    if (!sameKey)
        rememberKey(index);
    compactIfWasteful();
}

void LineTable::insert(int index, std::string_view text)
{
    if (holds(text))
        return insert(index, std::string(text));
    const Piece piece = store(text);
    if (indexed && size() >= KeyIndex::largestLine)
        dropIndex();
    if (indexed && index < size())
        keys.shiftFrom(index, 1);
    pieces.insert(pieces.begin() + index, piece);
    liveBytes += text.size();
    rememberKey(index);
}

void LineTable::erase(int index)
{
    forgetKey(index);
    liveBytes -= pieces[std::size_t(index)].length;
    pieces.erase(pieces.begin() + index);
    if (indexed && index < size())
        keys.shiftFrom(index + 1, -1);
    compactIfWasteful();
}

void LineTable::clear()
{
    std::vector<std::uint8_t>().swap(buffer);
    std::vector<Piece>().swap(pieces);
    dropIndex();
    liveBytes = 0;
}

void LineTable::dropIndex()
{
    keys.clear();
    indexed = false;
    scanned = 0;
}

std::string LineTable::text() const
{
    std::string all;
    all.reserve(liveBytes);
    const char* text = reinterpret_cast<const char*>(buffer.data());
    for (const Piece& piece : pieces)
        all.append(text + piece.offset, piece.length);
    return all;
}

void LineTable::forgetKey(int index)
{
    if (!indexed)
        return;
    const std::string_view text = line(index);
    const auto key = RecordKey::of(text);
    if (!key)
        return;
    const std::optional<KeyIndex::Entry> entry = keys.find(key->code());
    if (entry->first != index)
        return;
    // The first line with the key goes: the next one with it takes its place.
    const int next = entry->more ? scan(text.substr(0, key->length), index + 1) : -1;
    if (next < 0)
        keys.remove(key->code());
    else
        keys.setFirst(key->code(), next);
}

void LineTable::rememberKey(int index)
{
    if (!indexed)
        return;
    if (const auto key = RecordKey::of(line(index)))
        keys.add(key->code(), index);
}

void LineTable::compactIfWasteful()
{
    const std::size_t waste = buffer.size() - liveBytes;
    if (waste < smallestWaste || waste < liveBytes)
        return;
    std::vector<std::uint8_t> compact;
    compact.reserve(liveBytes);
    for (Piece& piece : pieces) {
        const std::size_t offset = compact.size();
        compact.insert(compact.end(), buffer.begin() + std::ptrdiff_t(piece.offset),
                       buffer.begin() + std::ptrdiff_t(piece.offset + piece.length));
        piece.offset = offset;
    }
    buffer.swap(compact);
}
