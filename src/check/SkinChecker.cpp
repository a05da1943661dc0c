#include "check/SkinChecker.h"

#include "document/FileIo.h"
#include "document/PictureRecord.h"
#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/RecordValues.h"
#include "document/SkinFileFormat.h"
#include "document/SkinModel.h"
#include "idlescreen/IdleScreenIds.h"
#include "pictures/ImageDecoding.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using Kind = SkinLineTable::Kind;

QString number(std::int64_t value)
{
    return QString::number(value);
}

// The key as the user writes it: "1 570".
QString keyText(std::string_view key)
{
    return QString::fromLatin1(key.data(), qsizetype(key.size())).trimmed();
}

QStringList numberTexts(const std::int32_t (&values)[4])
{
    return {number(values[0]), number(values[1]), number(values[2]), number(values[3])};
}

bool isIdleScreenRect(ElementId id)
{
    static constexpr auto ids = idlescreen::allRects();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool outsideByte(std::int32_t value)
{
    return value < 0 || value > 255;
}

} // namespace

SkinChecker::SkinChecker(const SkinModel& model) : model(model) {}

std::vector<Finding> SkinChecker::run()
{
    found.clear();
    covered.clear();
    if (!model.edited().hasLineTable())
        return found;
    SkinLineTable& table = walked.emplace(model.edited());
    SkinLineTable::Line line;
    while (table.next(line)) {
        if (line.index > 0)
            checkLine(line);
    }
    checkShortLists();
    checkWallpaper();
    checkUnusedData();
    std::stable_sort(found.begin(), found.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return found;
}

void SkinChecker::report(int index, FindingCode code, FindingText text, QStringList values)
{
    found.push_back({walked->fileLine(index), code, text, std::move(values)});
}

void SkinChecker::reportSkin(FindingCode code, FindingText text, QStringList values)
{
    found.push_back({0, code, text, std::move(values)});
}

void SkinChecker::checkLine(const SkinLineTable::Line& line)
{
    const int index = line.index;
    switch (line.kind) {
    case Kind::Magic:
        break;
    case Kind::NotARecord:
        report(index, FindingCode::UnknownType, FindingText::NotARecord);
        break;
    case Kind::Continuation:
        report(index, FindingCode::UnknownType, FindingText::LineTooLong, {number(maximumLineLength)});
        break;
    case Kind::UnreadableKey:
        report(index, FindingCode::Malformed, FindingText::UnreadableKey);
        break;
    case Kind::Item:
        checkItem(line);
        break;
    case Kind::Record:
        if (line.firstWithKey != index) {
            report(index, FindingCode::Duplicate, FindingText::AlreadySet,
                   {keyText(line.key), number(walked->fileLine(line.firstWithKey))});
        }
        checkRecord(line);
        break;
    }
}

void SkinChecker::checkItem(const SkinLineTable::Line& line)
{
    RecordScanner scanner(line.text);
    std::int32_t values[4];
    const bool palette = line.id == paletteListId;
    const bool read = palette ? scanner.literal("4 ") && scanner.numbers(values, 4)
                              : scanner.literal("1 ") && RecordValues::readStoredRect(scanner, values);
    if (!read) {
        report(line.index, FindingCode::Malformed, FindingText::UnreadableItem,
               {number(line.itemIndex), number(line.id)});
        return;
    }
    if (palette)
        checkColour(line.index, FindingText::PaletteItemOutOfRange, line.itemIndex, values);
}

void SkinChecker::checkRecord(const SkinLineTable::Line& line)
{
    const int index = line.index;
    const std::string_view valueText = line.text.substr(line.key.size());
    RecordScanner values(valueText);
    // Made only for a finding: most lines have none.
    const auto key = [&] { return keyText(line.key); };
    std::int32_t numbers[4];
    std::string_view word;
    int count = 0;
    bool read = true;
    switch (line.type) {
    case RecordType::ListHeader:
        if (!SkinLineTable::readCount(valueText, count))
            report(index, FindingCode::Malformed, FindingText::UnreadableCount, {key()});
        return;
    case RecordType::Rect:
        read = RecordValues::readStoredRect(values, numbers);
        if (read && line.firstWithKey == index && isIdleScreenRect(line.id))
            checkIdleScreenRect(index, line.id, numbers);
        break;
    case RecordType::Number:
        if (!values.number(numbers[0]))
            report(index, FindingCode::Malformed, FindingText::UnreadableNumber, {key()});
        return;
    case RecordType::Flag:
        if (!values.word(word) || (word != "true" && word != "false"))
            report(index, FindingCode::Malformed, FindingText::UnreadableFlag, {key()});
        return;
    case RecordType::Colour:
        read = values.numbers(numbers, 4);
        if (read)
            checkColour(index, FindingText::ColourOutOfRange, line.id, numbers);
        break;
    case RecordType::Picture:
        if (const auto where = PictureRecord::fromValues(valueText))
            checkPicture(index, line.id, *where);
        else
            read = false;
        break;
    case RecordType::PhonePath:
        read = values.word(word);
        break;
    }
    if (!read)
        report(index, FindingCode::Malformed, FindingText::UnreadableValues, {key()});
}

void SkinChecker::checkShortLists()
{
    for (const SkinLineTable::ShortList& list : walked->shortLists()) {
        report(list.header, FindingCode::ListShort, FindingText::ListRunsPastEnd,
               {keyText(walked->key(list.header)), number(list.count), number(list.available)});
    }
}

void SkinChecker::checkIdleScreenRect(int index, ElementId id, const std::int32_t (&stored)[4])
{
    // Stored inclusive: x2 and y2 are the last column and row inside.
    QStringList values = QStringList{number(id)} + numberTexts(stored);
    if (stored[2] < stored[0] || stored[3] < stored[1]) {
        report(index, FindingCode::RectOutside, FindingText::RectInverted, values);
        return;
    }
    if (stored[0] < 0 || stored[1] < 0 || stored[2] >= idlescreen::screenWidth || stored[3] >= idlescreen::screenHeight) {
        values << number(idlescreen::screenWidth) << number(idlescreen::screenHeight);
        report(index, FindingCode::RectOutside, FindingText::RectOffScreen, values);
    }
}

void SkinChecker::checkColour(int index, FindingText text, std::int32_t name, const std::int32_t (&values)[4])
{
    if (std::any_of(std::begin(values), std::end(values), outsideByte))
        report(index, FindingCode::ColourRange, text, QStringList{number(name)} + numberTexts(values));
}

void SkinChecker::checkPicture(int index, ElementId id, const PictureLocation& where)
{
    QSize size;
    if (where.file < 0 || where.file >= model.edited().dataFileCount()) {
        report(index, FindingCode::PictureRange, FindingText::PictureInMissingFile, {number(id), number(where.file)});
    } else if (const std::int64_t fileSize = model.edited().dataSize(where.file); !PictureRecord::fitsIn(where, fileSize)) {
        report(index, FindingCode::PictureRange, FindingText::PictureOutsideData,
               {number(id), number(where.size), number(where.offset), number(where.file), number(fileSize)});
    } else {
        covered.push_back(where);
        if (where.size > 0) {
            size = decodedSize(where);
            if (!size.isValid())
                report(index, FindingCode::PictureUndecodable, FindingText::PictureDoesNotDecode, {number(id)});
        }
    }
    // An empty picture shows nothing: skins use one to hide an element.
    if (where.size != 0 && model.defaults().hasLineTable())
        compareWithDefault(index, id, size);
}

void SkinChecker::compareWithDefault(int index, ElementId id, QSize size)
{
    if (model.defaults().findRecord(RecordKey(RecordType::Picture, id).view()) < 0) {
        report(index, FindingCode::PictureUnknown, FindingText::PictureNotInDefault, {number(id)});
        return;
    }
    if (!size.isValid())
        return;
    const std::optional<QSize> expected = defaultPictureSize(id);
    if (expected && *expected != size) {
        report(index, FindingCode::PictureSize, FindingText::PictureOtherSize,
               {number(id), number(size.width()), number(size.height()), number(expected->width()),
                number(expected->height())});
    }
}

QSize SkinChecker::decodedSize(const PictureLocation& where)
{
    const auto place = std::make_tuple(where.file, where.offset, where.size);
    const auto known = decoded.find(place);
    if (known != decoded.end())
        return known->second;
    std::vector<std::uint8_t> bytes;
    const QImage image = model.edited().pictureData().read(where, bytes)
                             ? imagedecoding::decode(std::span<const std::uint8_t>(bytes))
                             : QImage();
    const QSize size = image.isNull() ? QSize() : image.size();
    decoded.emplace(place, size);
    return size;
}

std::optional<QSize> SkinChecker::defaultPictureSize(ElementId id)
{
    const auto known = defaultSizes.find(id);
    if (known != defaultSizes.end())
        return known->second;
    std::vector<std::uint8_t> bytes;
    std::optional<QSize> size;
    if (model.defaults().getPicture(id, bytes) > 0) {
        const QImage image = imagedecoding::decode(std::span<const std::uint8_t>(bytes));
        if (!image.isNull())
            size = image.size();
    }
    defaultSizes.emplace(id, size);
    return size;
}

void SkinChecker::checkWallpaper()
{
    const std::string name = model.edited().getWallpaperName();
    if (name.empty())
        return;
    // Bytes read for that name (a wallpaper chosen in the editor) are saved with the skin.
    if (model.wallpaperSize() > 0 && model.wallpaperFileName() == name)
        return;
    std::error_code error;
    if (std::filesystem::is_regular_file(model.wallpaperPath(), error))
        return;
    const int index = model.edited().findRecord(RecordKey(RecordType::PhonePath, wallpaperRecordId).view());
    report(index, FindingCode::WallpaperMissing, FindingText::WallpaperNotFound, {QString::fromStdString(name)});
}

void SkinChecker::checkUnusedData()
{
    const std::string base = SkinFileFormat::saveBaseName(model.edited().path());
    std::map<std::int64_t, std::int64_t> unusedBytes; // by data file number
    for (int file = 0; file < model.edited().dataFileCount(); ++file) {
        std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
        for (const PictureLocation& where : covered) {
            if (where.file == file && where.size > 0)
                ranges.emplace_back(where.offset, std::int64_t(where.offset) + where.size);
        }
        std::sort(ranges.begin(), ranges.end());
        std::int64_t used = 0;
        std::int64_t reached = 0;
        for (const auto& [begin, end] : ranges) {
            used += std::max<std::int64_t>(0, end - std::max(begin, reached));
            reached = std::max(reached, end);
        }
        const std::int64_t unused = std::int64_t(model.edited().dataSize(file)) - used;
        if (unused > 0)
            unusedBytes.emplace(file, unused);
    }
    unusedBytes.merge(dataFilesLeftBeside(base));
    for (const auto& [file, unused] : unusedBytes) {
        const std::string name = fileNamePart(SkinFileFormat::dataFileName(base, file));
        reportSkin(FindingCode::UnusedData, FindingText::DataNotCovered,
                   {number(unused), number(file), QString::fromStdString(name)});
    }
}

std::map<std::int64_t, std::int64_t> SkinChecker::dataFilesLeftBeside(const std::string& base) const
{
    std::map<std::int64_t, std::int64_t> sizes;
    // A skin not yet saved has no files beside it.
    if (!isRegularFile(SkinFileFormat::savedSkinPath(model.edited().path())))
        return sizes;
    const std::string folder = folderPart(base).empty() ? std::string(".") : folderPart(base);
    std::vector<std::string> names;
    std::set<std::string> otherSkins; // base names of the skin files in the folder
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        names.push_back(name);
        // A name that a save keeps as it is ends in ".ski" in some case.
        if (name.size() > 4 && SkinFileFormat::savedSkinPath(name) == name)
            otherSkins.insert(name.substr(0, name.size() - 4));
    }
    const std::string stem = fileNamePart(base);
    // Data files that a save leaves as they are: no record names them and the
    // skin holds no bytes of them.
    const std::int64_t needed = model.edited().neededDataFiles();
    for (const std::string& name : names) {
        const std::optional<std::int64_t> file = SkinFileFormat::dataFileNumber(name, base);
        if (!file || *file < needed || (*file < model.edited().dataFileCount() && model.edited().dataSize(int(*file)) > 0))
            continue;
        // "s12.dat" may be a data file of "s1.ski" or "s12.ski" lying beside it.
        const std::string digits = name.substr(stem.size(), name.size() - stem.size() - 4);
        bool ownedByAnother = false;
        for (std::size_t length = 1; length <= digits.size(); ++length)
            ownedByAnother = ownedByAnother || otherSkins.count(stem + digits.substr(0, length)) > 0;
        std::error_code sizeError;
        const fs::path path = fs::path(folder) / name;
        if (ownedByAnother || !fs::is_regular_file(path, sizeError))
            continue;
        const std::uintmax_t size = fs::file_size(path, sizeError);
        if (!sizeError && size > 0)
            sizes.emplace(*file, std::int64_t(std::min<std::uintmax_t>(size, INT64_MAX)));
    }
    return sizes;
}
