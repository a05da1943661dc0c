#include "check/SkinLineTable.h"

#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/SkinDocument.h"

#include <cstdint>

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
    const int count = skin.lineCount();
    table.resize(std::size_t(count));
    int fileLine = 1;
    int itemsLeft = 0;
    ElementId list = 0;
    int nextItem = 1;
    bool continues = false; // the line before had no line end
    for (int i = 0; i < count; ++i) {
        const std::string_view line = skin.line(i);
        Line& entry = table[std::size_t(i)];
        entry.fileLine = fileLine;
        const auto key = RecordKey::of(line);
        entry.key = key ? line.substr(0, key->length) : std::string_view();

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
        } else if (!key) {
            entry.kind = Kind::UnreadableKey;
            entry.type = RecordType(line[0] - '0');
        } else {
            entry.kind = Kind::Record;
            entry.type = key->type;
            entry.id = key->id;
            // A lookup scans every line, items included, and the first match wins.
            entry.firstWithKey = skin.findRecord(entry.key);
            int items = 0;
            if (entry.type == RecordType::ListHeader && readCount(line.substr(key->length), items)) {
                itemsLeft = items;
                list = entry.id;
                nextItem = 1;
                const int available = count - 1 - i;
                if (items > available)
                    shortBlocks.push_back({i, items, available});
            }
        }
        continues = !line.empty() && line.back() != '\n';
        if (!line.empty() && line.back() == '\n')
            ++fileLine;
    }
}
