#pragma once

#include "document/SkinModel.h"
#include "document/SkinResults.h"
#include "session/SharedBytesPool.h"
#include "session/SkinChange.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>

class LanguageTable;
class SkinEditCommand;

// The editing session: the skin being edited (with its default skin), the
// undo stack of the edits made to it, and whether it holds changes that are
// not saved. It is the only way the pages change the skin: they push
// commands and bring themselves up to date when changed() says what changed
// (after every command, undo and redo). Every change is written into the
// skin in memory at once; nothing reaches the files before save().
class SkinSession : public QObject {
    Q_OBJECT

public:
    // texts names the commands (undo and redo texts); it outlives the session.
    explicit SkinSession(const LanguageTable& texts, QObject* parent = nullptr);
    ~SkinSession() override;

    const SkinModel& model() const { return skinModel; }
    QUndoStack& undoStack() { return stack; }
    const LanguageTable& languageTexts() const { return texts; }

    // --- the skin as a whole (not undoable: the undo stack starts afresh) ---
    // failedFile, when given, names the file a failed load stumbled on (SkinModel).
    [[nodiscard]] LoadResult loadDefaultSkin(const std::string& path, std::string* failedFile = nullptr);
    [[nodiscard]] LoadResult open(const std::string& path, std::string* failedFile = nullptr);
    void newSkin(const std::string& name);
    // On success the skin is clean (saved) from here on.
    [[nodiscard]] SaveResult save(const std::string& path);
    // Reads the skin's wallpaper file again into the model; false when it cannot be read.
    bool reloadWallpaper();
    // True while the skin differs from what was last opened, created or saved.
    bool isModified() const { return !stack.isClean(); }

    // --- edits ------------------------------------------------------------
    // Runs the command's edit (its first redo) and keeps it for undo; a
    // command that changed nothing is not kept.
    void push(std::unique_ptr<SkinEditCommand> command);
    // The next edit is a command of its own even when it could merge with
    // the last one (a drag ended, another field took the focus).
    void closeMerging();
    // After a change of language: the kept commands' texts in the new one.
    void retranslate();

    // For the commands: the model they change, and the announcement of
    // what changed after they ran.
    SkinModel& modelForEdit() { return skinModel; }
    SharedBytesPool& bytePool() { return bytes; }
    void announce(const SkinChange& change) { emit changed(change); }
    // A recorded change could not be put back or made again (the skin is
    // not what it expects): the history is dropped, the skin stays as it is.
    void historyLost();

signals:
    // After every command, undo and redo, and after open, new and reload.
    void changed(const SkinChange& change);
    // The modified state flipped (for the window's marker).
    void modifiedChanged(bool modified);

private:
    void startAfresh();

    const LanguageTable& texts;
    SkinModel skinModel;
    SharedBytesPool bytes;
    QUndoStack stack;
};
