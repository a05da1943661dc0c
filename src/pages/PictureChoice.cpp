#include "pages/PictureChoice.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "pictures/Picture.h"
#include "pictures/PictureConversion.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/ElementPictureCommand.h"
#include "session/SkinSession.h"
#include "session/WallpaperCommand.h"
#include "widgets/CommonDialogs.h"

#include <cstdint>
#include <vector>

namespace {

// The file's bytes when they are a picture that decodes; the picture's size in decoded.
bool readPictureFile(const QString& path, std::vector<std::uint8_t>& bytes, Picture& decoded)
{
    return readWholeFile(localPath(path), bytes) >= 0 && decoded.loadFromBytes(bytes) && decoded.width() > 0;
}

// The file question of the picture choices, its filters in the user's language.
FileQuestion pictureQuestion(const LanguageTable& texts)
{
    return {{}, {}, QString::fromStdString(texts.text(langtext::shell::fileFilter)), {}};
}

void showCannotRead(const LanguageTable& texts)
{
    DialogService::current().showMessage(QString::fromStdString(texts.text(langtext::message::cannotReadPicture)),
                                         DialogService::programCaption(), DialogService::Icon::Error);
}

} // namespace

std::unique_ptr<SkinEditCommand> chosenWallpaper(SkinSession& session, const LanguageTable& texts)
{
    const QString path =
        askFileName(false, fileNameFullPath, {QStringLiteral("jpg"), QStringLiteral("gif")}, pictureQuestion(texts));
    if (path.isEmpty())
        return nullptr;
    std::vector<std::uint8_t> bytes;
    Picture decoded;
    // A file that is no picture changes nothing, as one that cannot be read.
    if (!readPictureFile(path, bytes, decoded)) {
        showCannotRead(texts);
        return nullptr;
    }
    // Shown, checked and saved from these bytes: the file is read once.
    return std::make_unique<WallpaperCommand>(session, localPath(path), std::move(bytes));
}

std::unique_ptr<SkinEditCommand> chosenElementPicture(SkinSession& session, const LanguageTable& texts,
                                                      idlescreen::ElementKind kind)
{
    FileQuestion question = pictureQuestion(texts);
    question.eachOfText = QString::fromStdString(texts.text(langtext::images::pictureFiles));
    const QString path = askFileName(false, fileNameFullPath, pictureconversion::commonSuffixes(), question);
    if (path.isEmpty())
        return nullptr;
    // The phone reads GIF: another format is converted on its way in. Bytes
    // that are no picture are not stored: the element would lose its size.
    // The bytes stored are the ones just judged: the file is read once. A
    // skin that holds nothing (after a failed Open) cannot store them either.
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(localPath(path), bytes) < 0)
        bytes.clear();
    pictureconversion::SkinPicture chosen =
        pictureconversion::pictureForSkin(std::move(bytes), pictureconversion::Conversion::toGif);
    if (!chosen.usable || !session.model().edited().hasLineTable()) {
        showCannotRead(texts);
        return nullptr;
    }
    return std::make_unique<ElementPictureCommand>(session, kind, std::move(chosen.bytes), chosen.size.width(),
                                                   chosen.size.height());
}
