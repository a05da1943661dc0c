#include "pictures/PictureImport.h"

#include "document/FileIo.h"
#include "document/SkinModel.h"
#include "pictures/Picture.h"
#include "services/LocalPath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <vector>

namespace pictureimport {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool takesSuffix(const QString& suffix, Conversion conversion)
{
    const QString lower = suffix.toLower();
    if (conversion == Conversion::none)
        return lower == QLatin1String("gif");
    static const QStringList readable = pictureconversion::readableSuffixes();
    return readable.contains(lower);
}

} // namespace

bool isCandidateName(const QString& name, Conversion conversion)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || !takesSuffix(name.mid(dot + 1), conversion))
        return false;
    const QStringView stem = QStringView(name).left(dot);
    return std::all_of(stem.begin(), stem.end(), isDigit);
}

QStringList candidateNames(const QString& folder, Conversion conversion)
{
    // Special files (pipes, devices) are never listed.
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    std::copy_if(files.begin(), files.end(), std::back_inserter(names),
                 [conversion](const QString& name) { return isCandidateName(name, conversion); });
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

Outcome importFile(SkinModel& model, const SkinDocument& reference, const QString& path, Conversion conversion)
{
    Outcome outcome;
    const std::optional<ElementId> id = idOfName(QFileInfo(path).fileName());
    if (!id)
        return outcome;
    std::vector<std::uint8_t> bytes;
    Picture referencePicture;
    if (reference.getPicture(*id, bytes) < 0 || !referencePicture.loadFromBytes(bytes))
        return outcome;
    outcome.referenceSize = QSize(referencePicture.width(), referencePicture.height());

    // Read once: the bytes judged are the bytes stored.
    outcome.verdict = Verdict::undecodable;
    if (readWholeFile(localPath(path), bytes) < 0) {
        Picture().loadFromFile(path); // says why the file cannot be read
        return outcome;
    }
    pictureconversion::SkinPicture picture = pictureconversion::pictureForSkin(std::move(bytes), conversion);
    if (!picture.usable)
        return outcome;
    outcome.size = picture.size;
    if (outcome.size != outcome.referenceSize) {
        outcome.verdict = Verdict::wrongSize;
        return outcome;
    }
    if (model.setPicture(*id, picture.bytes))
        outcome.verdict = Verdict::stored;
    return outcome;
}

} // namespace pictureimport
