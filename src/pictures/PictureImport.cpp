#include "pictures/PictureImport.h"

#include "document/SkinModel.h"
#include "pictures/Picture.h"
#include "services/LocalPath.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <vector>

namespace pictureimport {

namespace {

constexpr qsizetype suffixLength = 4; // ".gif"

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isCandidateName(const QString& name)
{
    const QStringView stem = QStringView(name).left(std::max<qsizetype>(0, name.size() - suffixLength));
    return std::all_of(stem.begin(), stem.end(), isDigit);
}

} // namespace

QStringList candidateNames(const QString& folder)
{
    // The pattern matches regardless of case, as on the systems these files
    // usually come from; special files (pipes, devices) are never listed.
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.gif")}, QDir::Files | QDir::Hidden,
                                                     QDir::Name | QDir::IgnoreCase);
    QStringList names;
    std::copy_if(files.begin(), files.end(), std::back_inserter(names), isCandidateName);
    return names;
}

std::optional<ElementId> idOfName(const QString& name)
{
    const QByteArray text = name.toLatin1();
    const char* begin = text.constData();
    const char* end = begin + text.size();
    ElementId id = 0;
    const auto [stop, error] = std::from_chars(begin, end, id);
    if (error != std::errc() || stop == begin)
        return std::nullopt;
    return id;
}

Outcome importFile(SkinModel& model, const SkinDocument& reference, const QString& folder, const QString& name)
{
    Outcome outcome;
    const std::optional<ElementId> id = idOfName(name);
    if (!id)
        return outcome;
    std::vector<std::uint8_t> bytes;
    Picture referencePicture;
    if (reference.getPicture(*id, bytes) < 0 || !referencePicture.loadFromBytes(bytes))
        return outcome;
    outcome.referenceSize = QSize(referencePicture.width(), referencePicture.height());

    const QString path = QDir(folder).filePath(name);
    Picture filePicture;
    if (!filePicture.loadFromFile(path)) {
        outcome.verdict = Verdict::undecodable;
        return outcome;
    }
    outcome.size = QSize(filePicture.width(), filePicture.height());
    if (outcome.size != outcome.referenceSize) {
        outcome.verdict = Verdict::wrongSize;
        return outcome;
    }
    // The file is read a second time to be stored; should that fail, the
    // picture was not stored and must not be reported as stored.
    const bool stored = model.setPictureFromFile(*id, localPath(path)) == 1;
    outcome.verdict = stored ? Verdict::stored : Verdict::undecodable;
    return outcome;
}

} // namespace pictureimport
