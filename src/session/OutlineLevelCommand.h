#pragma once

#include "session/ElementCommand.h"

#include <cstdint>

// The outline level of the element's text (with the outline flag set
// exactly while it is above 0); steps in a row are one command.
class OutlineLevelCommand : public ElementCommand {
public:
    OutlineLevelCommand(SkinSession& session, idlescreen::ElementKind kind, std::int32_t level);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
    int mergeId() const override { return outlineEdits; }
    bool mergesWith(const SkinEditCommand& later) const override;

private:
    std::int32_t level;
};
