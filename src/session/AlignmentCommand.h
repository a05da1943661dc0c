#pragma once

#include "session/ElementCommand.h"

// The alignment chosen for a soft-key label (an entry of the list: centred, left, right).
class AlignmentCommand : public ElementCommand {
public:
    AlignmentCommand(SkinSession& session, idlescreen::ElementKind kind, int listEntry);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    int listEntry;
};
