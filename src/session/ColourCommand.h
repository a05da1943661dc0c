#pragma once

#include "session/ElementCommand.h"

#include <cstddef>
#include <cstdint>

// A colour chosen for one of the element's rows (with the transparency typed beside it).
class ColourCommand : public ElementCommand {
public:
    ColourCommand(SkinSession& session, idlescreen::ElementKind kind, std::size_t row, std::uint32_t colour,
                  std::int32_t typedTransparency);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    std::size_t row;
    std::uint32_t colour;
    std::int32_t typed;
};
