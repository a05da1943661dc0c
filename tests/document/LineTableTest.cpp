// The line table's index against a plain scan from the top: after every
// insert, replace and removal of random lines (records, list items,
// duplicates, lines no key matches, copies of its own lines), every key finds
// the line the scan finds, every line is stored byte for byte, and the first
// line of every line's key is the one the scan finds.

#include "document/LineTable.h"
#include "document/RecordKey.h"
#include "document/SkinFileFormat.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

// First match wins: the first line that starts with key, '*' matching any
// one character of the line; an empty key matches line 0.
int scanFromTop(const std::vector<std::string>& lines, std::string_view key)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        bool matches = line.size() >= key.size();
        for (std::size_t j = 0; matches && j < key.size(); ++j)
            matches = key[j] == '*' || key[j] == line[j];
        if (matches)
            return int(i);
    }
    return -1;
}

struct EditRun {
    unsigned seed;
    int startLines; // loaded before the edits
    int edits;
    int ids;        // ids come from -2..ids: small ranges give many duplicates
    int spread = 1; // times this: ids far apart are indexed another way

    friend void PrintTo(const EditRun& run, std::ostream* out)
    {
        *out << "seed " << run.seed << ", " << run.startLines << " lines, " << run.edits << " edits, ids "
             << run.ids << " x " << run.spread;
    }
};

class RandomLines {
public:
    RandomLines(unsigned seed, int ids, int spread) : random(seed), ids(ids), spread(spread) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    int id() { return (below(ids + 3) - 2) * spread; }

    std::string line()
    {
        const std::string end = below(10) == 0 ? "\r\n" : "\n";
        const std::string n = std::to_string(id());
        switch (below(12)) {
        case 0: return "1 " + n + " " + n + " 5 " + n + " 9" + end;        // a rectangle item
        case 1: return "4 " + n + " 3 2 1" + end;                           // a palette item
        case 2: return "0 " + n + " " + std::to_string(below(4)) + end;     // a list header
        case 3: return "1 0" + n + " 1 2 3 4" + end;                        // "01": no key finds it
        case 4: return "2 " + n + end;                                      // no space after the id
        case 5: return "2 -0 7" + end;
        case 6: return std::string(300, 'x').replace(0, 4, "2 " + std::to_string(below(3)) + " ") + end;
        case 7: return below(2) == 0 ? std::string() : "SKI1" + end;
        default: return std::to_string(below(7)) + " " + n + " " + std::to_string(below(100)) + end;
        }
    }

private:
    std::mt19937 random;
    int ids;
    int spread;
};

// Every key a getter builds for the ids, longer keys ("0 41 98" style) and
// keys no record key starts.
std::vector<std::string> keysToTry(int ids, int spread)
{
    std::vector<std::string> keys = {"", "*", "1 * ", "* 1 ", "2 -0 ", "2 0", "1 01", "SKI1", "x", "2 1 xxx"};
    for (int type = 0; type <= 7; ++type) {
        for (int id = -2; id <= ids; ++id) {
            const std::string key = std::to_string(type) + " " + std::to_string(id * spread) + " ";
            keys.push_back(key);
            keys.push_back(key + "1");
            keys.push_back(key + std::to_string(id));
        }
    }
    return keys;
}

// For every line, what a scan from the top finds with the line's record key.
std::vector<int> firstLinesOfKeys(const std::vector<std::string>& lines)
{
    std::vector<int> first;
    for (const std::string& line : lines) {
        const auto key = RecordKey::of(line);
        first.push_back(key ? scanFromTop(lines, std::string_view(line).substr(0, key->length)) : -1);
    }
    return first;
}

class LineTableIndex : public ::testing::TestWithParam<EditRun> {};

TEST_P(LineTableIndex, AnswersAsAScanFromTheTopAfterEveryEdit)
{
    const EditRun run = GetParam();
    RandomLines make(run.seed, run.ids, run.spread);
    std::vector<std::string> expected = {"SKI1\n"};
    for (int i = 0; i < run.startLines; ++i)
        expected.push_back(make.line());
    std::string text;
    for (const std::string& line : expected)
        text += line;
    expected = {};
    LineTable table = SkinFileFormat::splitLines({text.begin(), text.end()}).lines;
    for (int i = 0; i < table.size(); ++i)
        expected.emplace_back(table.line(i));
    ASSERT_EQ(table.text(), text + (text.back() == '\n' ? "" : "\n"));
    // Before any lookup: built with the index.
    ASSERT_EQ(table.firstLinesOfKeys(), firstLinesOfKeys(expected));

    const std::vector<std::string> keys = keysToTry(run.ids, run.spread);
    for (int edit = 0; edit < run.edits; ++edit) {
        const int at = make.below(table.size());
        // A copy of one of the table's own lines now and then.
        const std::string line = make.below(8) == 0 ? std::string(table.line(make.below(table.size()))) : make.line();
        switch (make.below(table.size() > 1 ? 4 : 2)) {
        case 0:
            table.insert(table.size(), line);
            expected.push_back(line);
            break;
        case 1:
            if (make.below(8) == 0) {
                table.set(at, table.line(make.below(table.size())));
                expected[std::size_t(at)] = std::string(table.line(at));
            } else {
                table.set(at, line);
                expected[std::size_t(at)] = line;
            }
            break;
        case 2:
            if (make.below(8) == 0) {
                const std::string copied(table.line(make.below(table.size())));
                table.insert(at, std::string_view(table.line(at)).empty() ? copied : table.line(at));
                expected.insert(expected.begin() + at, std::string(table.line(at)));
            } else {
                table.insert(at, line);
                expected.insert(expected.begin() + at, line);
            }
            break;
        default:
            table.erase(at);
            expected.erase(expected.begin() + at);
            break;
        }
        ASSERT_EQ(table.size(), int(expected.size()));
        for (const std::string& key : keys)
            ASSERT_EQ(table.find(key), scanFromTop(expected, key)) << "key '" << key << "' after edit " << edit;
    }
    std::string all;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(table.line(int(i)), expected[i]) << "line " << i;
        all += expected[i];
    }
    EXPECT_EQ(table.text(), all);
    EXPECT_EQ(table.firstLinesOfKeys(), firstLinesOfKeys(expected));
}

INSTANTIATE_TEST_SUITE_P(Runs, LineTableIndex,
                         ::testing::Values(EditRun {1, 0, 1500, 3}, EditRun {2, 40, 1000, 12},
                                           EditRun {3, 400, 300, 40}, EditRun {4, 5, 1500, 1},
                                           EditRun {5, 2000, 60, 20}, EditRun {6, 40, 1000, 12, 99991},
                                           EditRun {7, 0, 1000, 40, 4001}));

} // namespace
