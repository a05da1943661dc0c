#pragma once

#include "idlescreen/ElementTable.h"
#include "session/SkinEditCommand.h"

// An edit of one element of the idle screen, by its kind; its text names
// the element. Edits of one kind that merge carry the same merge id.
class ElementCommand : public SkinEditCommand {
public:
    ElementCommand(SkinSession& session, idlescreen::ElementKind kind) : SkinEditCommand(session), elementKind(kind) {}

    idlescreen::ElementKind kind() const { return elementKind; }

protected:
    // The merge ids of the commands that merge.
    enum MergeId : int { numberEdits = 1, outlineEdits, rectEdits };

    // The element's table entry (never null for the kinds the pages edit).
    const idlescreen::ElementEntry& entry() const { return *idlescreen::elementEntry(elementKind); }
    // The language text number with the element's name for %1.
    QString named(int number, const LanguageTable& texts) const;

private:
    idlescreen::ElementKind elementKind;
};
