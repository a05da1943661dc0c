#pragma once

#include "document/SkinResults.h"

#include <QString>

#include <functional>
#include <string>

class LanguageTable;
class SkinSession;
struct FileQuestion;
struct Finding;

// What the window's file commands do with the session's files: the file
// questions, loading and writing with their messages, and the question
// before unsaved changes are dropped. The window keeps its title, recent
// skins and pages in step with the answers.
class SkinFiles {
public:
    SkinFiles(SkinSession& session, const LanguageTable& language);

    // The name a new skin has until it is saved.
    static QString newSkinName() { return QStringLiteral("New skin"); }

    // True when Save has to ask for a name: nothing opened yet, or a new skin.
    bool needsName() const;
    QString currentPath() const;
    // "" when the user cancels.
    QString askOpenPath() const;
    // "" when the user cancels, or declines to replace the file the chosen name is written as.
    QString askSavePath() const;

    // Loads path into the session; a failure is shown with firstLine's text
    // and the reason, and leaves the session as it was.
    bool load(const QString& path, int firstLine);
    // Saves the session's skin to path under the skin's lock; a failure is shown.
    bool write(const QString& path);
    // True when nothing unsaved is lost: no changes, the user discards
    // them, or save (the window's Save) succeeds.
    bool maySaveChanges(const std::function<bool()>& save) const;

    // File > Check skin: the findings in a list, or that there are none.
    void check() const;

    QString loadFailureMessage(int firstLine, LoadResult result, const std::string& failedFile) const;

private:
    QString text(int number) const;
    // One finding as the check's list shows it, in the user's language.
    QString findingLine(const Finding& finding) const;
    FileQuestion skinFileQuestion() const;
    bool mayReplaceUnnamedFile(const QString& chosen) const;

    SkinSession& session;
    const LanguageTable& language;
};
