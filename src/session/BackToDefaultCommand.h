#pragma once

#include "session/ElementCommand.h"

// The element given back to the default skin: every record of it leaves the
// edited skin (pictures with their bytes, state 2 and the JoyPad partner
// included), the background's palette item takes the default colour.
class BackToDefaultCommand : public ElementCommand {
public:
    BackToDefaultCommand(SkinSession& session, idlescreen::ElementKind kind);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
};
