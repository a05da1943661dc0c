#include "app/SkinFiles.h"

#include "app/LoadFailureTexts.h"
#include "check/Finding.h"
#include "check/SkinChecker.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinFileFormat.h"
#include "document/SkinLock.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/CommandTexts.h"
#include "session/SkinSession.h"
#include "widgets/CommonDialogs.h"

#include <QDir>
#include <QFileInfo>

#include <new>

SkinFiles::SkinFiles(SkinSession& session, const LanguageTable& language) : session(session), language(language)
{
}

QString SkinFiles::text(int number) const
{
    return QString::fromStdString(language.text(number));
}

bool SkinFiles::needsName() const
{
    return !session.model().edited().hasLineTable() || currentPath() == newSkinName();
}

QString SkinFiles::currentPath() const
{
    return fromLocalPath(session.model().edited().path());
}

FileQuestion SkinFiles::skinFileQuestion() const
{
    // The folder of the skin being edited; a new skin has none yet.
    QString folder = fromLocalPath(folderPart(session.model().edited().path()));
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::currentPath();
    return {folder, text(langtext::shell::allFiles), text(langtext::shell::fileFilter)};
}

QString SkinFiles::askOpenPath() const
{
    return askFileName(false, fileNameFullPath, {QStringLiteral("ski")}, skinFileQuestion());
}

QString SkinFiles::askSavePath() const
{
    const QString path = askFileName(true, fileNameFullPath, {QStringLiteral("ski")}, skinFileQuestion());
    return path.isEmpty() || !mayReplaceUnnamedFile(path) ? QString() : path;
}

bool SkinFiles::mayReplaceUnnamedFile(const QString& chosen) const
{
    // A skin is always written as a ".ski" file: "x.bak" writes "x.ski".
    const QString written = fromLocalPath(SkinFileFormat::savedSkinPath(localPath(chosen)));
    if (written == chosen || !QFileInfo::exists(written))
        return true;
    const DialogService::Answer answer =
        DialogService::current().showMessage(text(langtext::shell::replaceOtherFile) + QLatin1Char('\n') + written,
                                             DialogService::programCaption(), DialogService::Icon::Question,
                                             DialogService::Buttons::YesNo);
    return answer == DialogService::Answer::Yes;
}

bool SkinFiles::load(const QString& path, int firstLine)
{
    std::string failedFile;
    LoadResult result = LoadResult::CannotOpen;
    try {
        result = session.open(localPath(path), &failedFile);
    } catch (const std::bad_alloc&) {
        failedFile = localPath(path); // the skin (or its wallpaper) is too large for the memory left
    }
    if (result == LoadResult::Loaded)
        return true;
    DialogService::current().showMessage(loadFailureMessage(firstLine, result, failedFile),
                                         DialogService::programCaption(), DialogService::Icon::Error);
    return false;
}

bool SkinFiles::write(const QString& path)
{
    // No other program saves this skin while it is written.
    const SkinLock lock(localPath(path));
    bool saved = false;
    try {
        saved = !lock.busy() && session.save(localPath(path)) == SaveResult::Saved;
    } catch (const std::bad_alloc&) {
        saved = false;
    }
    if (saved)
        return true;
    DialogService::current().showMessage(text(langtext::shell::cannotSaveSkin) + QLatin1Char(' ') + path,
                                         DialogService::programCaption(), DialogService::Icon::Error);
    return false;
}

bool SkinFiles::maySaveChanges(const std::function<bool()>& save) const
{
    if (!session.isModified())
        return true;
    QString name = currentPath();
    // A new skin under the name the title gives it, in the user's language.
    name = name == newSkinName() ? text(langtext::shell::newSkinTitle) : QFileInfo(name).fileName();
    const DialogService::Answer answer = DialogService::current().showMessage(
        commandtexts::withArgument(langtext::edit::saveChanges, name, language), DialogService::programCaption(),
        DialogService::Icon::Question, DialogService::Buttons::SaveDiscardCancel);
    if (answer == DialogService::Answer::Save)
        return save();
    return answer == DialogService::Answer::Discard;
}

QString SkinFiles::loadFailureMessage(int firstLine, LoadResult result, const std::string& failedFile) const
{
    return text(firstLine) + QLatin1Char('\n') + loadFailureText(language, result, fromLocalPath(failedFile));
}

void SkinFiles::check() const
{
    const std::vector<Finding> findings = SkinChecker(session.model()).run();
    if (findings.empty()) {
        DialogService::current().showMessage(text(langtext::check::nothingFound), DialogService::programCaption(),
                                             DialogService::Icon::Information);
        return;
    }
    QStringList lines;
    for (const Finding& finding : findings)
        lines << findingLine(finding);
    DialogService::current().showList(text(langtext::check::title), lines);
}

QString SkinFiles::findingLine(const Finding& finding) const
{
    // A language file of an older version lacks the sentences: English then, not "NULL".
    QString sentence = text(findingtexts::languageNumber(finding.text));
    if (sentence == QLatin1String(LanguageTable::missingText))
        sentence = findingtexts::english(finding.text);
    const QString described = finding.describe(sentence);
    if (finding.line == 0)
        return findingtexts::fill(text(langtext::check::findingOnSkin), {described});
    return findingtexts::fill(text(langtext::check::findingOnLine), {QString::number(finding.line), described});
}
