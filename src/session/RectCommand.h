#pragma once

#include "idlescreen/ViewOptions.h"
#include "session/ElementCommand.h"

// A new place of an element: typed in the panel, nudged with the keys or
// dragged in the preview. A drag, a run of typing or of nudges of one
// element is one command (until the session closes merging).
class RectCommand : public ElementCommand {
public:
    // How the rectangle lands in the skin.
    enum class Rule {
        Element, // the element's rectangle and its mirror
        Placed,  // an element shown by a frame: its rectangle, mirrors and JoyPad partner
        Dropped, // a frame dropped: the records of what it shows in the view's state
    };

    RectCommand(SkinSession& session, idlescreen::ElementKind kind, Rule rule, const SkinRect& rect);
    // A dropped frame: which frame, and the view it was dropped in.
    RectCommand(SkinSession& session, idlescreen::ElementKind kind, idlescreen::Frame frame, const ViewOptions& view,
                const SkinRect& rect);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
    int mergeId() const override { return rectEdits; }
    bool mergesWith(const SkinEditCommand& later) const override;

private:
    Rule rule;
    SkinRect rect;
    idlescreen::Frame frame = idlescreen::Frame::LeftKey;
    ViewOptions view;
};
