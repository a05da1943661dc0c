#include "document/DocumentChange.h"

#include <iterator>

void DocumentChange::addLines(int index, std::vector<std::string> removed, std::vector<std::string> inserted)
{
    // A line replaced twice in a row (a run of typing) is one step.
    if (!steps.empty()) {
        if (auto* last = std::get_if<LineStep>(&steps.back());
            last && last->index == index && last->inserted.size() == 1 && removed.size() == 1 && inserted.size() == 1
            && last->inserted.front() == removed.front()) {
            last->inserted = std::move(inserted);
            // Typed back to what it was: nothing changed.
            if (last->inserted == last->removed)
                steps.pop_back();
            return;
        }
    }
    steps.emplace_back(LineStep{index, std::move(removed), std::move(inserted)});
}

void DocumentChange::append(DocumentChange&& later)
{
    for (Step& step : later.steps) {
        if (auto* lines = std::get_if<LineStep>(&step))
            addLines(lines->index, std::move(lines->removed), std::move(lines->inserted));
        else
            steps.push_back(std::move(step));
    }
    later.steps.clear();
}

std::size_t DocumentChange::heldBytes() const
{
    std::size_t total = 0;
    for (const Step& step : steps) {
        if (const auto* lines = std::get_if<LineStep>(&step)) {
            for (const std::string& line : lines->removed)
                total += line.size();
            for (const std::string& line : lines->inserted)
                total += line.size();
        } else {
            const auto& bytes = std::get<ByteStep>(step);
            for (const SharedBytes& held : {bytes.removed, bytes.inserted})
                if (held && held.use_count() == 1)
                    total += held->size();
        }
    }
    return total;
}
