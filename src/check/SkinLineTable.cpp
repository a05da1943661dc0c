#include "check/SkinLineTable.h"

#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/SkinDocument.h"

#include <algorithm>
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

bool endsLine(std::string_view line)
{
    return !line.empty() && line.back() == '\n';
}

} // namespace

SkinLineTable::SkinLineTable(const SkinDocument& skin)
    // A lookup scans every line, items included, and the first match wins.
    : skin(skin), firstWithKey(skin.firstLinesOfKeys())
{
}

int SkinLineTable::fileLine(int index) const
{
    // Each line before it that ends in a line feed ends one line of the file.
    const auto open = std::lower_bound(withoutLineEnd.begin(), withoutLineEnd.end(), index) - withoutLineEnd.begin();
    return 1 + index - int(open);
}

std::string_view SkinLineTable::key(int index) const
{
    const std::string_view line = skin.line(index);
    const auto recordKey = RecordKey::of(line);
    return recordKey ? line.substr(0, recordKey->length) : std::string_view();
}

bool SkinLineTable::readCount(std::string_view values, int& count)
{
    std::int32_t n = 0;
    if (!RecordScanner(values).number(n) || n < 0)
        return false;
    count = n;
    return true;
}

bool SkinLineTable::next(Line& entry)
{
    const int count = skin.lineCount();
    const int i = nextIndex;
    if (i >= count)
        return false;
    ++nextIndex;
    const std::string_view line = skin.line(i);
    const bool continues = i > 0 && !withoutLineEnd.empty() && withoutLineEnd.back() == i - 1
        && !skin.line(i - 1).empty();
    if (!endsLine(line))
        withoutLineEnd.push_back(i);
    const auto key = RecordKey::of(line);
    entry.index = i;
    entry.text = line;
    entry.key = key ? line.substr(0, key->length) : std::string_view();
    entry.type = RecordType::ListHeader;
    entry.id = 0;
    entry.itemIndex = 0;
    entry.firstWithKey = -1;

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
        entry.firstWithKey = firstWithKey[std::size_t(i)];
        int items = 0;
        if (key->type == RecordType::ListHeader && readCount(line.substr(key->length), items)) {
            itemsLeft = items;
            list = entry.id;
            nextItem = 1;
            const int available = count - 1 - i;
            if (items > available)
                shortBlocks.push_back({i, items, available});
        }
    }
    return true;
}
