#pragma once

#include "session/SkinEditCommand.h"

#include <cstdint>
#include <vector>

// A picture of the images page replaced by other bytes (of the same size).
class ReplacePictureCommand : public SkinEditCommand {
public:
    ReplacePictureCommand(SkinSession& session, ElementId id, std::vector<std::uint8_t> bytes);

    // False when the bytes could not be stored (nothing changed then).
    bool stored() const { return wasStored; }

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    ElementId id;
    std::vector<std::uint8_t> bytes;
    bool wasStored = false;
};
