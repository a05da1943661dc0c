#include "session/SkinSession.h"

#include "document/SkinLock.h"
#include "session/SkinEditCommand.h"

SkinSession::SkinSession(const LanguageTable& texts, QObject* parent) : QObject(parent), texts(texts)
{
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

SkinSession::~SkinSession()
{
    // The commands refer to the session: they go first.
    stack.clear();
}

LoadResult SkinSession::loadDefaultSkin(const std::string& path, std::string* failedFile)
{
    const LoadResult result =
        skinModel.loadDefaultSkin(path, failedFile, SkinLock::standardWait, SkinModel::PictureBytes::AtLoad);
    // The edits were made against the default skin that was: they stay, but
    // every view reads the new one.
    emit changed(SkinChange::all());
    return result;
}

LoadResult SkinSession::open(const std::string& path, std::string* failedFile)
{
    const LoadResult result = skinModel.openSkin(path, failedFile);
    if (result == LoadResult::Loaded)
        startAfresh();
    return result;
}

void SkinSession::newSkin(const std::string& name)
{
    skinModel.newSkin(name);
    startAfresh();
}

SaveResult SkinSession::save(const std::string& path)
{
    const SaveResult result = skinModel.saveSkin(path);
    if (result == SaveResult::Saved)
        stack.setClean();
    return result;
}

bool SkinSession::reloadWallpaper()
{
    const bool read = skinModel.loadWallpaperFile(skinModel.wallpaperPath());
    SkinChange change;
    change.wallpaper = true;
    emit changed(change);
    return read;
}

void SkinSession::push(std::unique_ptr<SkinEditCommand> command)
{
    stack.push(command.release());
}

void SkinSession::closeMerging()
{
    if (stack.index() > 0)
        if (auto* last = dynamic_cast<const SkinEditCommand*>(stack.command(stack.index() - 1)))
            const_cast<SkinEditCommand*>(last)->seal();
}

void SkinSession::retranslate()
{
    for (int i = 0; i < stack.count(); ++i)
        if (auto* command = dynamic_cast<const SkinEditCommand*>(stack.command(i)))
            const_cast<SkinEditCommand*>(command)->retranslate(texts);
}

void SkinSession::historyLost()
{
    // Not from within the stack's own undo or redo.
    QMetaObject::invokeMethod(this, [this] {
        const bool wasModified = isModified();
        stack.clear();
        if (wasModified)
            stack.resetClean();
        emit changed(SkinChange::all());
    }, Qt::QueuedConnection);
}

void SkinSession::startAfresh()
{
    stack.clear();
    stack.setClean();
    emit changed(SkinChange::all());
}
