#pragma once

#include "document/DocumentChange.h"
#include "session/SkinChange.h"

#include <QString>
#include <QUndoCommand>

class LanguageTable;
class SkinModel;
class SkinSession;

// One edit of the skin, undoable: its first redo runs the edit on the model
// while the document records exactly the lines and bytes it changes; undo
// puts them back byte for byte, later redos make them again. Each kind of
// change is a subclass: it supplies the edit, its text and whether a later
// edit of the same element and property merges into it.
class SkinEditCommand : public QUndoCommand {
public:
    explicit SkinEditCommand(SkinSession& session);

    void redo() final;
    void undo() final;
    int id() const final { return mergeId(); }
    bool mergeWith(const QUndoCommand* other) final;

    // No later edit merges into this one any more.
    void seal() { sealed = true; }
    // The command's text, in the language of texts.
    void retranslate(const LanguageTable& texts) { setText(describe(texts)); }
    // What the command changes in the document (for tests and measures).
    const DocumentChange& documentChange() const { return change; }

protected:
    // The edit, run once.
    virtual void edit(SkinModel& model) = 0;
    virtual QString describe(const LanguageTable& texts) const = 0;
    // Commands of one kind that may merge share an id (-1: never merges);
    // a later command of that id merges when this says so.
    virtual int mergeId() const { return -1; }
    virtual bool mergesWith(const SkinEditCommand& later) const;
    // State of the model beyond the document's lines and bytes (the
    // wallpaper's bytes): put back and made again with the document.
    virtual void undoBeyondDocument(SkinModel&) {}
    virtual void redoBeyondDocument(SkinModel&) {}
    virtual bool changesBeyondDocument() const { return false; }

    SkinSession& session;

private:
    // What changed, for the views, once the document holds the new state.
    SkinChange announced() const;

    DocumentChange change;
    bool done = false;
    bool sealed = false;
};
