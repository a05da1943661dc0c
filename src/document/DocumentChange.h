#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

// Picture bytes held by recorded changes: shared, never copied per change.
using SharedBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

// What one edit did to a skin document, step by step, so that it can be put
// back byte for byte and done again: the lines it replaced, inserted or took
// out, and the data-file bytes it spliced. A document records into one while
// an edit runs (SkinDocument::recordChangesInto).
class DocumentChange {
public:
    // Lines [index, index + removed.size()) were replaced by inserted.
    struct LineStep {
        int index = 0;
        std::vector<std::string> removed;
        std::vector<std::string> inserted;
    };
    // In data file `file`, the bytes removed at offset were replaced by
    // inserted; wasChanged: whether the file counted as changed before.
    // addedFile: the step created the (empty) file first.
    struct ByteStep {
        int file = 0;
        std::int64_t offset = 0;
        SharedBytes removed;
        SharedBytes inserted;
        bool wasChanged = false;
        bool addedFile = false;
    };
    using Step = std::variant<LineStep, ByteStep>;

    bool empty() const { return steps.empty(); }
    const std::vector<Step>& allSteps() const { return steps; }
    std::vector<Step>& allSteps() { return steps; }

    void addLines(int index, std::vector<std::string> removed, std::vector<std::string> inserted);
    void addBytes(ByteStep step) { steps.emplace_back(std::move(step)); }
    // This change followed by later (for edits merged into one).
    void append(DocumentChange&& later);

    // The bytes the change holds that no other holder shares (for measuring).
    std::size_t heldBytes() const;

private:
    std::vector<Step> steps;
};
