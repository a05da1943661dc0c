#include "session/SkinEditCommand.h"

#include "document/PictureRecord.h"
#include "session/SharedBytesPool.h"
#include "session/SkinSession.h"

#include <QTimer>

#include <algorithm>

namespace {

// Keeps a document recording for as long as it lives.
class Recording {
public:
    Recording(SkinModel& model, DocumentChange& change) : model(model) { model.recordChangesInto(&change); }
    ~Recording() { model.recordChangesInto(nullptr); }
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

private:
    SkinModel& model;
};

// The record a line is of: "T id ..." (list items name no id of their own
// and read as their first number: a view asked about more than changed
// only looks again).
std::optional<std::pair<RecordType, ElementId>> recordOfLine(const std::string& line)
{
    if (line.size() < 3 || line[0] < '0' || line[0] > '6' || line[1] != ' ')
        return std::nullopt;
    std::int64_t id = 0;
    std::size_t at = 2;
    const bool negative = line[at] == '-';
    at += negative ? 1 : 0;
    const std::size_t start = at;
    while (at < line.size() && at - start < 11 && line[at] >= '0' && line[at] <= '9')
        id = id * 10 + (line[at++] - '0');
    if (at == start)
        return std::nullopt;
    id = negative ? -id : id;
    if (id < INT32_MIN || id > INT32_MAX)
        return std::nullopt;
    return std::pair {RecordType(line[0] - '0'), ElementId(id)};
}

} // namespace

SkinEditCommand::SkinEditCommand(SkinSession& session) : session(session) {}

void SkinEditCommand::redo()
{
    SkinModel& model = session.modelForEdit();
    if (!done) {
        done = true;
        {
            const Recording recording(model, change);
            edit(model);
        }
        if (change.empty() && !changesBeyondDocument()) {
            setObsolete(true); // nothing changed: nothing to undo
            return;
        }
        session.bytePool().intern(change);
    } else {
        if (!model.redo(change)) {
            session.historyLost();
            return;
        }
        if (changesBeyondDocument())
            redoBeyondDocument(model);
    }
    session.announce(announced());
}

void SkinEditCommand::undo()
{
    SkinModel& model = session.modelForEdit();
    if (!model.undo(change)) {
        session.historyLost();
        return;
    }
    if (changesBeyondDocument())
        undoBeyondDocument(model);
    session.announce(announced());
}

bool SkinEditCommand::mergesWith(const SkinEditCommand&) const
{
    return false;
}

bool SkinEditCommand::mergeWith(const QUndoCommand* other)
{
    const auto* later = dynamic_cast<const SkinEditCommand*>(other);
    if (sealed || !later || later->changesBeyondDocument() || changesBeyondDocument() || !mergesWith(*later))
        return false;
    // The later command is done and about to go: its steps become this one's.
    change.append(std::move(const_cast<SkinEditCommand*>(later)->change));
    setText(later->text());
    return true;
}

SkinChange SkinEditCommand::announced() const
{
    SkinChange announcement;
    announcement.wallpaper = changesBeyondDocument();
    const SkinDocument& skin = session.model().edited();
    auto addRecord = [&announcement](const std::string& line) {
        if (const auto record = recordOfLine(line)) {
            announcement.records.push_back(*record);
            if (record->first == RecordType::Picture)
                announcement.pictures.push_back(record->second);
            if (record->first == RecordType::PhonePath)
                announcement.wallpaper = true;
        }
    };
    std::vector<std::pair<int, std::pair<std::int64_t, std::int64_t>>> spliced; // file, byte range
    for (const DocumentChange::Step& step : change.allSteps()) {
        if (const auto* lines = std::get_if<DocumentChange::LineStep>(&step)) {
            std::for_each(lines->removed.begin(), lines->removed.end(), addRecord);
            std::for_each(lines->inserted.begin(), lines->inserted.end(), addRecord);
        } else {
            const auto& bytes = std::get<DocumentChange::ByteStep>(step);
            const std::int64_t size = std::max(bytes.removed ? bytes.removed->size() : 0,
                                               bytes.inserted ? bytes.inserted->size() : 0);
            spliced.push_back({bytes.file, {bytes.offset, bytes.offset + std::max<std::int64_t>(size, 1)}});
        }
    }
    // Pictures whose bytes lie where bytes were spliced, though their records read the same.
    if (!spliced.empty()) {
        for (int i = 0; i < skin.lineCount(); ++i) {
            const std::string_view line = skin.line(i);
            if (line.empty() || line[0] != '5')
                continue;
            const auto record = PictureRecord::fromLine(line);
            if (!record)
                continue;
            for (const auto& [file, range] : spliced)
                if (record->where.file == file && record->where.offset < range.second
                    && std::int64_t(record->where.offset) + std::max(record->where.size, 1) > range.first)
                    announcement.pictures.push_back(record->id);
        }
    }
    return announcement;
}
