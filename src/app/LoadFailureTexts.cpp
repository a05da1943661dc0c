#include "app/LoadFailureTexts.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinDocument.h"
#include "document/SkinFileFormat.h"
#include "services/LocalPath.h"

#include <QStringList>

#include <utility>

namespace {

// Every reason a load gives, and the text that tells it.
constexpr std::pair<LoadResult, int> reasonTexts[] = {
    {LoadResult::SkinFileMissing, langtext::loading::fileMissing},
    {LoadResult::CannotOpen, langtext::loading::fileUnreadable},
    {LoadResult::NotASkin, langtext::loading::notASkin},
    {LoadResult::DataFileMissing, langtext::loading::dataFileMissing},
    {LoadResult::DataFileUnreadable, langtext::loading::dataFileUnreadable},
    {LoadResult::TooShort, langtext::loading::tooShort},
};

// A long list of pictures is cut: the message stays readable.
constexpr int picturesNamed = 12;

QString text(const LanguageTable& texts, int number)
{
    return QString::fromStdString(texts.text(number));
}

} // namespace

QString loadFailureText(const LanguageTable& texts, LoadResult result, const QString& failedFile)
{
    for (const auto& [reason, number] : reasonTexts)
        if (reason == result)
            return text(texts, number).arg(failedFile);
    return {};
}

QString picturesBeyondDataText(const LanguageTable& texts, const SkinDocument& skin)
{
    const auto beyond = skin.picturesBeyondData();
    if (beyond.empty())
        return {};
    const std::int32_t file = beyond.front().file;
    QStringList ids;
    for (const auto& picture : beyond) {
        if (picture.file != file)
            continue;
        if (ids.size() == picturesNamed) {
            ids << QStringLiteral("...");
            break;
        }
        ids << QString::number(picture.id);
    }
    const QString dataFile =
        fromLocalPath(SkinFileFormat::dataFileName(SkinFileFormat::loadBaseName(skin.path()), file));
    // One pass: a "%2" in the file's name stays as it is.
    return text(texts, langtext::loading::picturesBeyondData).arg(dataFile, ids.join(QStringLiteral(", ")));
}
