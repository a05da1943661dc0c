#pragma once

#include "session/SkinEditCommand.h"

#include <vector>

// Pictures of the images page given back to the default skin, all at once.
class GiveBackPicturesCommand : public SkinEditCommand {
public:
    // keptForSize gets the ids kept because the default picture's size
    // differs, when the command runs (within the session's push).
    GiveBackPicturesCommand(SkinSession& session, std::vector<ElementId> ids, std::vector<ElementId>& keptForSize);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    std::vector<ElementId> ids;
    std::vector<ElementId>* kept;
};
