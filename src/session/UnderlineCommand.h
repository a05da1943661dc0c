#pragma once

#include "session/ElementCommand.h"

// The element's text underlined, or not.
class UnderlineCommand : public ElementCommand {
public:
    UnderlineCommand(SkinSession& session, idlescreen::ElementKind kind, bool underlined);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    bool underlined;
};
