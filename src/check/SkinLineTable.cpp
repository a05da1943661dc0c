#include "check/SkinLineTable.h"

#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/SkinDocument.h"

#include <charconv>
#include <cstdint>
#include <unordered_map>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A record line starts with one type digit 0..6 that no other digit follows.
bool startsWithRecordType(std::string_view line)
{
    return !line.empty() && line[0] >= '0' && line[0] <= '6' && (line.size() == 1 || !isDigit(line[1]));
}

} // namespace

SkinLineTable::SkinLineTable(const SkinDocument& skin)
{
    classify(skin);
    markFirstKeys();
}

std::string_view SkinLineTable::lookupKey(std::string_view line)
{
    if (line.size() < 4 || line[0] < '0' || line[0] > '6' || line[1] != ' ')
        return {};
    std::int32_t id = 0;
    if (!RecordScanner(line.substr(2)).number(id))
        return {};
    // Only the key the lookups build ("%ld": no sign, no leading zero) finds the line.
    const RecordKey key(RecordType(line[0] - '0'), id);
    return line.starts_with(key.view()) ? line.substr(0, key.view().size()) : std::string_view();
}

bool SkinLineTable::readCount(std::string_view values, int& count)
{
    std::int32_t n = 0;
    if (!RecordScanner(values).number(n) || n < 0)
        return false;
    count = n;
    return true;
}

void SkinLineTable::classify(const SkinDocument& skin)
{
    const std::vector<std::string>& text = skin.lines();
    const int count = skin.lineCount();
    table.resize(text.size());
    int fileLine = 1;
    int itemsLeft = 0;
    ElementId list = 0;
    int nextItem = 1;
    for (int i = 0; i < count; ++i) {
        const std::string& line = text[std::size_t(i)];
        Line& entry = table[std::size_t(i)];
        const bool continues = i > 0 && !text[std::size_t(i - 1)].empty() && text[std::size_t(i - 1)].back() != '\n';
        entry.fileLine = fileLine;
        if (!line.empty() && line.back() == '\n')
            ++fileLine;
        entry.key = lookupKey(line);

        if (i == 0) {
            entry.kind = Kind::Magic;
        } else if (itemsLeft > 0) {
            // The lines after a header are its items whatever they hold.
            entry.kind = Kind::Item;
            entry.id = list;
            entry.itemIndex = nextItem++;
            --itemsLeft;
        } else if (continues) {
            entry.kind = Kind::Continuation;
        } else if (!startsWithRecordType(line)) {
            entry.kind = Kind::NotARecord;
        } else if (entry.key.empty()) {
            entry.kind = Kind::UnreadableKey;
            entry.type = RecordType(line[0] - '0');
        } else {
            entry.kind = Kind::Record;
            entry.type = RecordType(line[0] - '0');
            std::from_chars(line.data() + 2, line.data() + entry.key.size() - 1, entry.id);
            int items = 0;
            if (entry.type == RecordType::ListHeader && readCount(std::string_view(line).substr(entry.key.size()), items)) {
                itemsLeft = items;
                list = entry.id;
                nextItem = 1;
                const int available = count - 1 - i;
                if (items > available)
                    shortBlocks.push_back({i, items, available});
            }
        }
    }
}

void SkinLineTable::markFirstKeys()
{
    // A lookup scans every line, items included, and the first match wins.
    std::unordered_map<std::string_view, int> first;
    first.reserve(table.size());
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (!table[i].key.empty())
            first.emplace(table[i].key, int(i));
    }
    for (Line& line : table) {
        if (line.kind == Kind::Record)
            line.firstWithKey = first.at(line.key);
    }
}
