#pragma once

#include "session/SkinEditCommand.h"

#include <cstdint>
#include <vector>

// A picture of the images page replaced by other bytes (of the same size).
class ReplacePictureCommand : public SkinEditCommand {
public:
    ReplacePictureCommand(SkinSession& session, ElementId id, std::vector<std::uint8_t> bytes);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    ElementId id;
    std::vector<std::uint8_t> bytes;
};
