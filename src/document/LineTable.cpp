#include "document/LineTable.h"

#include "document/RecordKey.h"

#include <cstring>
#include <functional>

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
    keys.reserve(pieces.size());
    for (int i = 0; i < size(); ++i)
        rememberKey(i);
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
    const KeyIndex::Entry* entry = keys.find(recordKey->code());
    if (!entry)
        return -1;
    if (key.size() == recordKey->length || line(entry->first).starts_with(key))
        return entry->first;
    // A longer key ("0 41 98"): a later line of the same record key may be it.
    return scan(key, entry->first + 1);
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
    const auto oldKey = RecordKey::of(line(index));
    const auto newKey = RecordKey::of(text);
    const bool sameKey = oldKey && newKey ? oldKey->code() == newKey->code() : !oldKey && !newKey;
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
    if (index < size())
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
    if (index < size())
        keys.shiftFrom(index + 1, -1);
    compactIfWasteful();
}

void LineTable::clear()
{
    std::vector<std::uint8_t>().swap(buffer);
    std::vector<Piece>().swap(pieces);
    keys.clear();
    liveBytes = 0;
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
    const std::string_view text = line(index);
    const auto key = RecordKey::of(text);
    if (!key)
        return;
    KeyIndex::Entry* entry = keys.find(key->code());
    if (--entry->count == 0) {
        keys.remove(key->code());
        return;
    }
    // The first line with the key goes: the next one with it takes its place.
    if (entry->first == index)
        entry->first = scan(text.substr(0, key->length), index + 1);
}

void LineTable::rememberKey(int index)
{
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
