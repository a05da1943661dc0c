#pragma once

#include "session/ElementCommand.h"

#include <cstddef>
#include <cstdint>

// A number typed in one of the element's rows: an opacity or a hand's
// length, or else the transparency of the row's colour. A run of typing in
// one row is one command.
class NumberCommand : public ElementCommand {
public:
    NumberCommand(SkinSession& session, idlescreen::ElementKind kind, std::size_t row, std::uint32_t buttonColour,
                  std::int32_t value);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
    int mergeId() const override { return numberEdits; }
    bool mergesWith(const SkinEditCommand& later) const override;

private:
    std::size_t row;
    std::uint32_t buttonColour;
    std::int32_t value;
};
