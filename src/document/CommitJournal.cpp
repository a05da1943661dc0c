#include "document/CommitJournal.h"

#include <algorithm>
#include <charconv>

#include <sys/stat.h>

namespace {

constexpr std::string_view header = "velaskin commit 2\n";
constexpr std::string_view stateCommit = "commit";
constexpr std::string_view stateUndo = "undo";
constexpr std::string_view endLine = "end";
constexpr std::size_t mostSteps = 4096;

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <typename Number>
bool parseNumber(std::string_view digits, Number& value)
{
    return allDigits(digits) && (digits.size() == 1 || digits[0] != '0')
        && std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc();
}

void appendField(std::string& text, const std::string& field)
{
    text += std::to_string(field.size());
    text += ' ';
    text += field;
    text += '\n';
}

void appendIds(std::string& text, std::initializer_list<FileId> ids)
{
    bool first = true;
    for (const FileId& id : ids) {
        if (!first)
            text += ' ';
        first = false;
        text += std::to_string(id.device);
        text += ' ';
        text += std::to_string(id.inode);
    }
    text += '\n';
}

// Reads the journal's text piece by piece; every piece must be exactly as written.
class Reader {
public:
    explicit Reader(std::string_view text) : text(text) {}

    bool line(std::string_view& value)
    {
        const auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            return false;
        value = text.substr(pos, end - pos);
        pos = end + 1;
        return true;
    }
    bool number(std::size_t& value)
    {
        std::string_view digits;
        return line(digits) && parseNumber(digits, value);
    }
    // "LENGTH TEXT\n", TEXT of exactly LENGTH bytes.
    bool field(std::string& value)
    {
        const auto space = text.find(' ', pos);
        std::size_t length = 0;
        if (space == std::string_view::npos || !parseNumber(text.substr(pos, space - pos), length)
            || length >= text.size() - space - 1 || text[space + 1 + length] != '\n')
            return false;
        value.assign(text.substr(space + 1, length));
        pos = space + length + 2;
        return true;
    }
    // Six numbers on one line, single spaces between them.
    bool ids(FileId& first, FileId& second, FileId& third)
    {
        std::string_view values;
        if (!line(values))
            return false;
        std::uint64_t numbers[6] {};
        for (std::uint64_t& number : numbers) {
            const auto space = values.find(' ');
            const bool last = &number == &numbers[5];
            if (last != (space == std::string_view::npos) || !parseNumber(values.substr(0, space), number))
                return false;
            values = last ? std::string_view() : values.substr(space + 1);
        }
        first = {numbers[0], numbers[1]};
        second = {numbers[2], numbers[3]};
        third = {numbers[4], numbers[5]};
        return true;
    }
    bool atEnd() const { return pos == text.size(); }

private:
    std::string_view text;
    std::size_t pos = 0;
};

} // namespace

FileId FileId::of(const struct stat& info)
{
    return {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
}

std::string CommitJournal::text() const
{
    std::string text(header);
    text += undo ? stateUndo : stateCommit;
    text += '\n';
    text += std::to_string(steps.size());
    text += '\n';
    for (const CommitStep& step : steps) {
        appendField(text, step.named);
        appendField(text, step.target);
        appendField(text, step.temp);
        appendField(text, step.backup);
        appendIds(text, {step.tempId, step.oldId, step.backupId});
    }
    text += endLine;
    text += '\n';
    return text;
}

std::optional<CommitJournal> CommitJournal::parse(std::string_view text)
{
    if (text.size() > largestText || !text.starts_with(header))
        return std::nullopt;
    Reader reader(text.substr(header.size()));
    std::string_view state;
    std::size_t count = 0;
    if (!reader.line(state) || (state != stateCommit && state != stateUndo) || !reader.number(count)
        || count > mostSteps)
        return std::nullopt;
    CommitJournal journal;
    journal.undo = state == stateUndo;
    journal.steps.resize(count);
    for (CommitStep& step : journal.steps) {
        if (!reader.field(step.named) || !reader.field(step.target) || !reader.field(step.temp)
            || !reader.field(step.backup) || !reader.ids(step.tempId, step.oldId, step.backupId))
            return std::nullopt;
    }
    std::string_view end;
    if (!reader.line(end) || end != endLine || !reader.atEnd())
        return std::nullopt;
    return journal;
}
