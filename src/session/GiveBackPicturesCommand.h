#pragma once

#include "session/SkinEditCommand.h"

#include <vector>

// Pictures of the images page given back to the default skin, all at once.
class GiveBackPicturesCommand : public SkinEditCommand {
public:
    GiveBackPicturesCommand(SkinSession& session, std::vector<ElementId> ids);

    // The ids kept because the default picture's size differs.
    const std::vector<ElementId>& keptForSize() const { return kept; }

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    std::vector<ElementId> ids;
    std::vector<ElementId> kept;
};
